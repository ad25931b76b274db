// A small observer for the end-to-end scenarios: lists and pokes windows of the program under
// test from inside the same Wine session. Prints one line per finding; exit code 0 on success.
//
//   probe windows CLASS               every top-level window of CLASS with its state
//   probe post CLASS MSG WPARAM LPARAM posts a message to the first window of CLASS
//   probe ACTION CLASS                performs a named action on the first window of CLASS:
//                                     open-from-tray, open-tray-menu or exit
//   probe dialogs                     every top-level dialog box with caption and texts
//   probe dialog-clients              the screen point of each shown dialog box's client origin
//   probe press-ok CAPTION            presses OK on the dialog box with that caption
//   probe tray-icon CLASS             whether the first window of CLASS owns a tray icon
//   probe tray-icon-of HWND           whether the window HWND (alive or not) owns a tray icon
//   probe tray-icon-delete CLASS      deletes that icon behind the program's back
//   probe shell-restarted CLASS       sends the window what a restarted shell broadcasts
//   probe menu-rect                   the screen rectangle of the open popup menu
//   probe processes IMAGE             how many processes run the executable IMAGE
//   probe resources EXE               the icon, dialog, menu, manifest and version resources
//   probe child CLASS ID              the child control ID of the first shown window of CLASS
//   probe list-item CLASS ID INDEX    the screen point at the middle of item INDEX of list ID,
//                                     and the item's text
//   probe pointer-settings            the session's pointer speed, wheel lines, double-click
//                                     time and acceleration, read back from the system
//   probe device-change CLASS arrival|removal
//                                     tells the first window of CLASS that the mouse's
//                                     command interface arrived or was removed
#include <windows.h>
// after windows.h, which they need
#include <dbt.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "app/win/resource_ids.h"
#include "common/win/program_messages.h"
#include "device/mouse_identity.h"
#include "device/win/hid_interface_class.h"

namespace {

// What a user does through the tray, as the message the main window receives for it.
struct NamedAction {
    const wchar_t* name;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

constexpr NamedAction kNamedActions[] = {
    {L"open-from-tray", corvanti::win::kTrayCallbackMessage, 0, WM_LBUTTONUP},
    {L"open-tray-menu", corvanti::win::kTrayCallbackMessage, 0, WM_RBUTTONUP},
    {L"exit", WM_COMMAND, ID_TRAY_EXIT, 0},
};

const NamedAction* FindNamedAction(const std::wstring& name) {
    for (const NamedAction& action : kNamedActions) {
        if (name == action.name) {
            return &action;
        }
    }
    return nullptr;
}

struct Found {
    std::wstring class_name;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectByClass(HWND window, LPARAM context) {
    auto* found = reinterpret_cast<Found*>(context);
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (found->class_name == name) {
        found->windows.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopLevelWindows(const std::wstring& class_name) {
    Found found{class_name, {}};
    EnumWindows(CollectByClass, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

// Asks the window's own thread for its text, giving up after two seconds, so a busy program
// never hangs the probe.
std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG | SMTO_BLOCK, 2000, &copied);
    return text;
}

int ListWindows(const std::wstring& class_name) {
    for (HWND window : TopLevelWindows(class_name)) {
        const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        RECT rect{};
        GetWindowRect(window, &rect);
        // Where client point (0, 0) is on the screen, so real clicks can aim at hotspots.
        POINT client{};
        ClientToScreen(window, &client);
        std::wprintf(
            L"window=%p visible=%d toolwindow=%d appwindow=%d pid=%lu size=%ldx%ld "
            L"client=%ld,%ld\n",
            static_cast<void*>(window), IsWindowVisible(window) ? 1 : 0,
            (ex_style & WS_EX_TOOLWINDOW) ? 1 : 0, (ex_style & WS_EX_APPWINDOW) ? 1 : 0, process,
            rect.right - rect.left, rect.bottom - rect.top, client.x, client.y);
    }
    return 0;
}

int PostToClass(const std::wstring& class_name, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto windows = TopLevelWindows(class_name);
    if (windows.empty()) {
        std::wprintf(L"no window\n");
        return 1;
    }
    return PostMessageW(windows.front(), message, wparam, lparam) ? 0 : 1;
}

BOOL CALLBACK PrintChildText(HWND child, LPARAM) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    const auto text = WindowText(child);
    if (!text.empty()) {
        std::wprintf(L"  %ls: %ls\n", name, text.c_str());
    }
    return TRUE;
}

int ListDialogs() {
    for (HWND dialog : TopLevelWindows(L"#32770")) {
        if (!IsWindowVisible(dialog)) {
            continue;
        }
        std::wprintf(L"dialog caption=%ls\n", WindowText(dialog).c_str());
        EnumChildWindows(dialog, PrintChildText, 0);
    }
    return 0;
}

int PressOk(const std::wstring& caption) {
    for (HWND dialog : TopLevelWindows(L"#32770")) {
        if (IsWindowVisible(dialog) && WindowText(dialog) == caption) {
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            return 0;
        }
    }
    std::wprintf(L"no dialog\n");
    return 1;
}

// The shell's answer about the icon the window owns (the program's icon identifier is 0).
BOOL AskShellAboutIcon(HWND window, DWORD action) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof record;
    record.hWnd = window;
    record.uID = 0;
    return Shell_NotifyIconW(action, &record);
}

int HasTrayIconOf(HWND window) {
    // Modifying an icon succeeds only while it exists; an empty change alters nothing.
    std::wprintf(L"icon=%d\n", AskShellAboutIcon(window, NIM_MODIFY) ? 1 : 0);
    return 0;
}

int HasTrayIcon(const std::wstring& class_name) {
    const auto windows = TopLevelWindows(class_name);
    if (windows.empty()) {
        std::wprintf(L"icon=0\n");
        return 0;
    }
    return HasTrayIconOf(windows.front());
}

int DeleteTrayIcon(const std::wstring& class_name) {
    const auto windows = TopLevelWindows(class_name);
    return !windows.empty() && AskShellAboutIcon(windows.front(), NIM_DELETE) ? 0 : 1;
}

int AnnounceShellRestart(const std::wstring& class_name) {
    const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    const auto windows = TopLevelWindows(class_name);
    return message != 0 && !windows.empty() && PostMessageW(windows.front(), message, 0, 0) ? 0 : 1;
}

int PrintMenuRect() {
    for (HWND menu : TopLevelWindows(L"#32768")) {
        RECT rect{};
        if (IsWindowVisible(menu) && GetWindowRect(menu, &rect)) {
            std::wprintf(L"menu=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
            return 0;
        }
    }
    std::wprintf(L"no menu\n");
    return 1;
}

int CountProcesses(const std::wstring& image) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 1;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, image.c_str()) == 0) {
            ++count;
        }
    }
    CloseHandle(snapshot);
    std::wprintf(L"processes=%d\n", count);
    return 0;
}

// Reads a dialog template's name-or-ordinal field and steps past it.
std::wstring NameOrOrdinal(const WORD*& cursor) {
    if (*cursor == 0xFFFF) {
        const WORD ordinal = cursor[1];
        cursor += 2;
        return L"#" + std::to_wstring(ordinal);
    }
    std::wstring name;
    while (*cursor != 0) {
        name += static_cast<wchar_t>(*cursor++);
    }
    ++cursor;
    return name;
}

std::wstring CodePoints(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        wchar_t hex[8] = {};
        std::swprintf(hex, 8, L"%04X ", static_cast<unsigned>(c));
        out += hex;
    }
    return out;
}

const BYTE* ResourceBytes(HMODULE module, int id, LPCWSTR type) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    return found == nullptr ? nullptr
                            : static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

void PrintIconGroup(HMODULE module, int id) {
    const BYTE* group = ResourceBytes(module, id, RT_GROUP_ICON);
    if (group == nullptr) {
        std::wprintf(L"icon %d missing\n", id);
        return;
    }
    const WORD count = reinterpret_cast<const WORD*>(group)[2];
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + 6);
    for (WORD index = 0; index < count; ++index) {
        std::wprintf(L"icon %d: %dx%d@%d\n", id, entries[index].width, entries[index].height,
                     entries[index].bit_count);
    }
}

void PrintDialog(HMODULE module, int id) {
    const BYTE* bytes = ResourceBytes(module, id, RT_DIALOG);
    if (bytes == nullptr) {
        std::wprintf(L"dialog %d missing\n", id);
        return;
    }
    const auto* words = reinterpret_cast<const WORD*>(bytes);
    if (words[1] != 0xFFFF) {
        std::wprintf(L"dialog %d: not an extended template\n", id);
        return;
    }
    DWORD ex_style = 0;
    DWORD style = 0;
    std::memcpy(&ex_style, bytes + 8, 4);
    std::memcpy(&style, bytes + 12, 4);
    const auto* sizes = reinterpret_cast<const short*>(bytes + 18);
    const WORD* cursor = reinterpret_cast<const WORD*>(bytes + 26);
    NameOrOrdinal(cursor);  // menu
    const std::wstring window_class = NameOrOrdinal(cursor);
    const std::wstring title = NameOrOrdinal(cursor);
    std::wstring font;
    WORD point_size = 0;
    if (style & DS_SETFONT) {
        point_size = cursor[0];
        cursor += 3;  // point size, weight, italic and character set
        font = NameOrOrdinal(cursor);
    }
    std::wprintf(
        L"dialog %d: style=%08lX exstyle=%08lX size=%dx%d class=%ls title=%ls "
        L"font=%d:%ls\n",
        id, style, ex_style, sizes[2], sizes[3], window_class.c_str(), title.c_str(), point_size,
        CodePoints(font).c_str());
}

int ListResources(const std::wstring& executable) {
    HMODULE module = LoadLibraryExW(executable.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        std::wprintf(L"cannot load\n");
        return 1;
    }
    PrintIconGroup(module, 710);
    PrintDialog(module, 102);
    for (int id = 701; id <= 708; ++id) {
        PrintDialog(module, id);
    }
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(180));
    if (menu != nullptr) {
        std::wprintf(L"menu 180: item %u\n", GetMenuItemID(GetSubMenu(menu, 0), 0));
        DestroyMenu(menu);
    }
    std::wprintf(L"manifest: %d\n", ResourceBytes(module, 1, RT_MANIFEST) != nullptr ? 1 : 0);
    std::wprintf(L"version: %d\n", ResourceBytes(module, 1, RT_VERSION) != nullptr ? 1 : 0);
    FreeLibrary(module);
    return 0;
}

// The child `id` of the first visible window of the class (the first of any when none shows).
HWND ChildOf(const std::wstring& class_name, int id) {
    const auto windows = TopLevelWindows(class_name);
    for (HWND window : windows) {
        if (IsWindowVisible(window)) {
            return GetDlgItem(window, id);
        }
    }
    return windows.empty() ? nullptr : GetDlgItem(windows.front(), id);
}

int PrintDialogClients() {
    for (HWND dialog : TopLevelWindows(L"#32770")) {
        if (IsWindowVisible(dialog)) {
            POINT client{};
            ClientToScreen(dialog, &client);
            std::wprintf(L"dialog client=%ld,%ld\n", client.x, client.y);
        }
    }
    return 0;
}

int PrintChild(const std::wstring& class_name, int id) {
    HWND child = ChildOf(class_name, id);
    if (child == nullptr) {
        std::wprintf(L"child=0\n");
        return 0;
    }
    RECT rect{};
    GetWindowRect(child, &rect);
    std::wprintf(L"child=1 visible=%d rect=%ld,%ld,%ld,%ld text=%ls\n",
                 IsWindowVisible(child) ? 1 : 0, rect.left, rect.top, rect.right, rect.bottom,
                 WindowText(child).c_str());
    return 0;
}

// The list box answers through its own thread; a list that is gone gives no point.
int PrintListItem(const std::wstring& class_name, int id, int index) {
    HWND list = ChildOf(class_name, id);
    RECT item{};
    DWORD_PTR result = 0;
    if (list == nullptr ||
        !SendMessageTimeoutW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&item), SMTO_ABORTIFHUNG, 2000, &result) ||
        static_cast<LRESULT>(result) == LB_ERR) {
        std::wprintf(L"no item\n");
        return 1;
    }
    POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &middle);
    wchar_t text[256] = {};
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length >= 0 && length < 256) {
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    }
    std::wprintf(L"item=%ld,%ld text=%ls\n", middle.x, middle.y, text);
    return 0;
}

int PrintPointerSettings() {
    int speed = 0;
    UINT lines = 0;
    int mouse[3] = {};
    SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0);
    std::wprintf(L"speed=%d lines=%u double_click=%u mouse=%d,%d,%d\n", speed, lines,
                 GetDoubleClickTime(), mouse[0], mouse[1], mouse[2]);
    return 0;
}

// What the system sends on a device change: a device-interface header with the interface's
// name, in one block the message carries to the program's process.
int SendDeviceChange(const std::wstring& class_name, const std::wstring& change) {
    const auto windows = TopLevelWindows(class_name);
    if (windows.empty() || (change != L"arrival" && change != L"removal")) {
        std::wprintf(L"no window\n");
        return 1;
    }
    std::wstring name = L"\\\\?\\HID#";
    for (char c : corvanti::kMouseIdsInNameUpper) {
        name += static_cast<wchar_t>(c);
    }
    name += L"&MI_01#7&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    const std::size_t name_offset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    const std::size_t name_bytes = (name.size() + 1) * sizeof(wchar_t);
    DEV_BROADCAST_DEVICEINTERFACE_W header{};
    header.dbcc_size = static_cast<DWORD>(name_offset + name_bytes);
    header.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    header.dbcc_classguid = corvanti::win::HidInterfaceClassGuid();
    std::vector<unsigned char> block(name_offset + name_bytes);
    std::memcpy(block.data(), &header, name_offset);
    std::memcpy(block.data() + name_offset, name.c_str(), name_bytes);
    const WPARAM event = change == L"arrival" ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
    DWORD_PTR result = 0;
    const LRESULT sent = SendMessageTimeoutW(windows.front(), WM_DEVICECHANGE, event,
                                             reinterpret_cast<LPARAM>(block.data()),
                                             SMTO_ABORTIFHUNG, 20000, &result);
    std::wprintf(L"sent=%d\n", sent != 0 ? 1 : 0);
    return sent != 0 ? 0 : 1;
}

long long Number(const wchar_t* text) {
    return std::wcstoll(text, nullptr, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    const std::wstring verb = argv[1];
    int result = 2;
    if (verb == L"windows" && argc == 3) {
        result = ListWindows(argv[2]);
    } else if (verb == L"post" && argc == 6) {
        result =
            PostToClass(argv[2], static_cast<UINT>(Number(argv[3])),
                        static_cast<WPARAM>(Number(argv[4])), static_cast<LPARAM>(Number(argv[5])));
    } else if (const NamedAction* action = FindNamedAction(verb); action != nullptr && argc == 3) {
        result = PostToClass(argv[2], action->message, action->wparam, action->lparam);
    } else if (verb == L"dialogs") {
        result = ListDialogs();
    } else if (verb == L"dialog-clients") {
        result = PrintDialogClients();
    } else if (verb == L"press-ok" && argc == 3) {
        result = PressOk(argv[2]);
    } else if (verb == L"tray-icon" && argc == 3) {
        result = HasTrayIcon(argv[2]);
    } else if (verb == L"tray-icon-of" && argc == 3) {
        result = HasTrayIconOf(reinterpret_cast<HWND>(static_cast<INT_PTR>(Number(argv[2]))));
    } else if (verb == L"tray-icon-delete" && argc == 3) {
        result = DeleteTrayIcon(argv[2]);
    } else if (verb == L"shell-restarted" && argc == 3) {
        result = AnnounceShellRestart(argv[2]);
    } else if (verb == L"menu-rect") {
        result = PrintMenuRect();
    } else if (verb == L"resources" && argc == 3) {
        result = ListResources(argv[2]);
    } else if (verb == L"processes" && argc == 3) {
        result = CountProcesses(argv[2]);
    } else if (verb == L"child" && argc == 4) {
        result = PrintChild(argv[2], static_cast<int>(Number(argv[3])));
    } else if (verb == L"list-item" && argc == 5) {
        result = PrintListItem(argv[2], static_cast<int>(Number(argv[3])),
                               static_cast<int>(Number(argv[4])));
    } else if (verb == L"pointer-settings") {
        result = PrintPointerSettings();
    } else if (verb == L"device-change" && argc == 4) {
        result = SendDeviceChange(argv[2], argv[3]);
    }
    std::fflush(stdout);
    return result;
}
