#include "tools/replay/progress_bar.h"

#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {
constexpr std::size_t kLongLog = 2000;
constexpr std::size_t kWidth = 40;
}  // namespace

ProgressBar::ProgressBar(std::ostream& out, std::size_t total)
    : m_out(out), m_total(total), m_visible(total >= kLongLog && isatty(fileno(stderr))) {}

void ProgressBar::show(std::size_t done) {
    if (!m_visible) return;
    const std::size_t percent = done * 100 / m_total;
    if (percent == m_lastPercent) return;
    m_lastPercent = percent;
    const std::size_t filled = percent * kWidth / 100;
    m_out << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] " << percent << "% "
          << done << '/' << m_total << std::flush;
}

void ProgressBar::finish() {
    if (m_visible) m_out << '\n';
}
