#include "cabrillo/soapbox.h"

#include "scoring/text.h"

std::string soapboxToStorage(std::string_view text) {
    return replaceAll(replaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string soapboxFromStorage(std::string_view stored) {
    return replaceAll(replaceAll(stored, "<CR>", "\r"), "<LF>", "\n");
}

std::string soapboxFileForm(std::string_view stored) {
    return replaceAll(replaceAll(stored, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
}
