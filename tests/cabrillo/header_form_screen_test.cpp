#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "resources/resource.h"
#include "tests/cabrillo/small_log_host.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

// The header form on a screen, as the operator meets it: the library shows it from ResetStats0
// and waits there; a second thread plays the operator, who reads, types and presses a button.

namespace {

constexpr const char* kFormTitle = "GACW WWSA CW DX Contest  ";
constexpr const char* kDialogClass = "#32770";
constexpr int kMessageBoxText = 0xFFFF;
constexpr auto kPatience = std::chrono::seconds(20);
constexpr DWORD kPollMilliseconds = 50;

template <typename Condition>
bool waitUntil(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(kPollMilliseconds);
    }
    return true;
}

// The dialog with this title once it is on the screen; null when none came.
HWND waitForDialog(const char* title) {
    HWND dialog = nullptr;
    waitUntil([&] {
        dialog = FindWindowA(kDialogClass, title);
        return dialog && IsWindowVisible(dialog);
    });
    return dialog;
}

std::string textOf(HWND window) {
    std::string text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::vector<std::string> entriesOf(HWND dropDown) {
    std::vector<std::string> entries;
    const auto count = SendMessageA(dropDown, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string entry(static_cast<std::size_t>(SendMessageA(dropDown, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        entry.resize(static_cast<std::size_t>(
            SendMessageA(dropDown, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        entries.push_back(entry);
    }
    return entries;
}

INPUT keyInput(WORD virtualKey, WORD character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

// Keys as the keyboard sends them; a line feed is the Enter key.
void pressKeys(const std::string& text) {
    std::vector<INPUT> keys;
    for (const char c : text) {
        if (c == '\n') {
            keys.push_back(keyInput(VK_RETURN, 0, 0));
            keys.push_back(keyInput(VK_RETURN, 0, KEYEVENTF_KEYUP));
        } else {
            const auto character = static_cast<WORD>(static_cast<unsigned char>(c));
            keys.push_back(keyInput(0, character, KEYEVENTF_UNICODE));
            keys.push_back(keyInput(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
        }
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

// Moves to the control as the Tab key does, selects what it holds and types over it.
void type(HWND form, int id, const std::string& text) {
    const HWND control = GetDlgItem(form, id);
    SendMessageA(form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SendMessageA(control, EM_SETSEL, 0, -1);
    pressKeys(text);
    std::string shown;
    for (const char c : text) shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_TRUE(waitUntil([&] { return textOf(control) == shown; })) << id << " shows " << textOf(control);
}

void click(HWND dialog, int button) { PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

// The window as it is on the screen, as a BMP file that the build keeps to look at.
void saveScreenshot(HWND window, const std::string& path) {
    RECT frame;
    GetWindowRect(window, &frame);
    const LONG width = frame.right - frame.left, height = frame.bottom - frame.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::vector<char> pixels(static_cast<std::size_t>((width * 3 + 3) / 4 * 4 * height));
    GetDIBits(memory, picture, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

// The operator at the dialog with this title, on a thread of its own.
std::thread operatorAt(const char* title, std::function<void(HWND)> act) {
    return std::thread([title, act] {
        const HWND dialog = waitForDialog(title);
        if (!dialog) {
            ADD_FAILURE() << "no dialog came: " << title;
            return;
        }
        act(dialog);
    });
}

class HeaderFormOnScreen : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::unique_ptr<host::PluginLibrary> plugin;

    HeaderFormOnScreen() {
        fs::create_directory("Plugins");
        writeFile("Dorv2.ini", "[Main]\r\nDorv=2.19\r\n");
        plugin = std::make_unique<host::PluginLibrary>(GACW_PLUGIN_PATH);
    }

    // An export pass with the operator at the header form.
    void exportPass(std::function<void(HWND)> atTheForm) {
        std::thread atForm = operatorAt(kFormTitle, std::move(atTheForm));
        plugin->resetStats(hostPass(1));
        atForm.join();
    }

    // GetResult0, with the operator reading the message box that may come and pressing OK.
    std::optional<std::string> resultMessage() {
        std::atomic<bool> returned{false};
        std::optional<std::string> message;
        std::thread reader([&] {
            while (!returned) {
                const HWND box = FindWindowA(kDialogClass, "Output");
                if (box && IsWindowVisible(box)) {
                    message = textOf(GetDlgItem(box, kMessageBoxText));
                    click(box, IDOK);
                    return;
                }
                Sleep(kPollMilliseconds);
            }
        });
        plugin->getResult();
        returned = true;
        reader.join();
        return message;
    }

    static std::string settingsText() { return fileText("Plugins/GACW-WWSA-CW.ini"); }
};

TEST_F(HeaderFormOnScreen, TypedHeaderIsSavedAndTheNextResultExportsIt) {
    exportPass([](HWND form) {
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_CALLSIGN)), "DL1ABC");
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_OPERATORS)), "DL1ABC");
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_CONTEST)), "GACW-WWSA-CW");
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_CATEGORY_MODE)), "CW");
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_CATEGORY_OPERATOR)), "SINGLE-OP");
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_CATEGORY_POWER)), "HIGH");
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_LOCATION)), "DX");
        EXPECT_EQ(SendMessageA(GetDlgItem(form, IDC_LOCATION), CB_GETCURSEL, 0, 0), 0);
        // NONE is no entry of the overlay list: it stands typed, nothing selected.
        EXPECT_EQ(textOf(GetDlgItem(form, IDC_CATEGORY_OVERLAY)), "NONE");
        EXPECT_EQ(SendMessageA(GetDlgItem(form, IDC_CATEGORY_OVERLAY), CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(entriesOf(GetDlgItem(form, IDC_CATEGORY_STATION)),
                  (std::vector<std::string>{"EXPEDITION", "FIXED", "HQ", "MOBILE", "PORTABLE", "ROVER", "SCHOOL"}));
        EXPECT_EQ(entriesOf(GetDlgItem(form, IDC_CATEGORY_BAND)),
                  (std::vector<std::string>{"ALL", "80M", "40M", "20M", "15M", "10M"}));
        EXPECT_EQ(entriesOf(GetDlgItem(form, IDC_LOCATION)).size(), 64u);

        type(form, IDC_CLAIMED, "999999");
        type(form, IDC_NAME, "Hans Muster");
        type(form, IDC_ADDRESS, "Hauptstr. 1");
        type(form, IDC_ADDRESS_CITY, "Berlin");
        type(form, IDC_ADDRESS_STATE_PROVINCE, "BE");
        type(form, IDC_ADDRESS_POSTALCODE, "10115");
        type(form, IDC_ADDRESS_COUNTRY, "Germany");
        type(form, IDC_CLUB, "GACW");
        type(form, IDC_SOAPBOX, "First\nSecond");  // Enter makes a new line here
        type(form, IDC_EMAIL, "dl1abc@example.org");
        saveScreenshot(form, GACW_FORM_SCREENSHOT);
        pressKeys("\n");  // in a one-line field Enter presses OK
    });

    const std::string settings = settingsText();
    for (const char* line : {"Operators=DL1ABC\r\n", "Name=Hans Muster\r\n", "Address_St_Prov=BE\r\n",
                             "Category=SINGLE-OP\r\n", "Category_Overlay=NONE\r\n", "Contest=GACW-WWSA-CW\r\n",
                             "Email=dl1abc@example.org\r\n", "SoapBox=First<CR><LF>Second\r\n"}) {
        EXPECT_NE(settings.find(line), std::string::npos) << line << " in " << settings;
    }
    EXPECT_EQ(settings.find("Claimed="), std::string::npos) << settings;

    handOverSmallLog(*plugin);
    EXPECT_EQ(resultMessage(), "File produced: DL1ABC.cbr");
    EXPECT_EQ(fileText("DL1ABC.cbr"), fileText(fs::path(GACW_CABRILLO_GOLDEN_DIR) / "small_log.cbr"));
}

TEST_F(HeaderFormOnScreen, CancelSavesNothingAndExportsNothing) {
    exportPass([](HWND form) {
        type(form, IDC_NAME, "Somebody Else");
        click(form, IDCANCEL);
    });

    EXPECT_EQ(settingsText().find("Name="), std::string::npos) << settingsText();
    handOverSmallLog(*plugin);
    EXPECT_EQ(resultMessage(), std::nullopt);
    EXPECT_FALSE(fs::exists("DL1ABC.cbr"));
}

}  // namespace
