#pragma once

#include <cstddef>
#include <ostream>

// A one-line progress bar, drawn only on a terminal and only for logs long enough to wait for.
class ProgressBar {
public:
    ProgressBar(std::ostream& out, std::size_t total);
    void show(std::size_t done);
    void finish();

private:
    std::ostream& m_out;
    std::size_t m_total;
    bool m_visible;
    std::size_t m_lastPercent = 101;
};
