#include "host/IconListHost.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <thread>

namespace host {

namespace {

const WindowClass HostClass{L"VistoraIconList", 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
constexpr int IconGapPixels = 4;

std::thread& Preparing()
{
    // A program that ends without having shown a list still waits for the thread.
    static struct Preparation {
        std::thread thread;
        ~Preparation()
        {
            if (thread.joinable()) thread.join();
        }
    } preparation;
    return preparation.thread;
}

// Only the interface thread starts and waits for the preparation.
void WaitForPreparedIcons()
{
    if (Preparing().joinable()) Preparing().join();
}

HIMAGELIST ShellSmallImageList()
{
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                                                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}

int ShellSmallIcon(const std::wstring& path, DWORD attributes, bool open)
{
    SHFILEINFOW info{};
    UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    if (attributes) flags |= SHGFI_USEFILEATTRIBUTES;
    if (open) flags |= SHGFI_OPENICON;
    if (!SHGetFileInfoW(path.c_str(), attributes, &info, sizeof info, flags)) return -1;
    return info.iIcon;
}

HIMAGELIST SmallImageList()
{
    WaitForPreparedIcons();
    return ShellSmallImageList();
}

UniqueFont MessageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return UniqueFont();
    return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

} // namespace

int SystemSmallIcon(const std::wstring& path, DWORD attributes, bool open)
{
    WaitForPreparedIcons();
    return ShellSmallIcon(path, attributes, open);
}

int LazySmallIcon::Index() const
{
    if (index_ == Unasked) index_ = SystemSmallIcon(path_, attributes_, open_);
    return index_;
}

void PrepareSystemIcons()
{
    if (Preparing().joinable()) return;
    Preparing() = std::thread([] {
        // As the drive list asks: no "insert a disk" boxes, and the shell wants COM.
        SetThreadErrorMode(SEM_FAILCRITICALERRORS, nullptr);
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ShellSmallImageList();
        ShellSmallIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY, true);
        ShellSmallIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY, false);
        const DWORD drives = GetLogicalDrives();
        for (int i = 0; i < 26; ++i)
            if (drives & (1u << i)) ShellSmallIcon(std::wstring(1, static_cast<wchar_t>(L'a' + i)) + L":\\", 0, false);
        if (SUCCEEDED(com)) CoUninitialize();
    });
}

IconListHost::~IconListHost()
{
    if (host_ && IsWindow(host_)) {
        Unbind(host_);
        DestroyWindow(host_);
    }
}

bool IconListHost::CreateHost(HWND parent, int id, const RECT& pixels)
{
    ownFont_ = MessageFont();
    font_ = ownFont_ ? ownFont_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!CreateBound(HostClass, WS_EX_CONTROLPARENT, L"", WS_CHILD | WS_CLIPCHILDREN, pixels, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))))
        return false;
    inner_ = CreateInner();
    if (!inner_) return false;
    SendMessageW(inner_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    RECT client;
    GetClientRect(host_, &client);
    LayoutInner(client.right, client.bottom);
    return true;
}

int IconListHost::ItemHeight() const
{
    int textHeight = 16;
    if (WindowDc dc{host_}) {
        Selected font(dc.get(), font_);
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc.get(), &metrics)) textHeight = metrics.tmHeight;
    }
    return std::max(textHeight, GetSystemMetrics(SM_CYSMICON)) + 2;
}

void IconListHost::LayoutInner(int width, int height)
{
    MoveWindow(inner_, 0, 0, width, height, TRUE);
}

void IconListHost::ApplyFont(HFONT font)
{
    font_ = font ? font : (ownFont_ ? ownFont_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    if (!inner_) return;
    SendMessageW(inner_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetItemHeights(ItemHeight());
    RECT client;
    GetClientRect(host_, &client);
    LayoutInner(client.right, client.bottom);
    InvalidateRect(inner_, nullptr, TRUE);
}

void IconListHost::OnUnbound()
{
    host_ = nullptr;
    inner_ = nullptr;
}

LRESULT IconListHost::HandleMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(ItemHeight());
        return TRUE;
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == inner_ && inner_) OnCommand(HIWORD(wParam));
        return 0;
    case WM_SIZE:
        if (inner_) LayoutInner(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        if (inner_) SetFocus(inner_);
        return 0;
    case WM_ENABLE:
        if (inner_) EnableWindow(inner_, static_cast<BOOL>(wParam));
        return 0;
    case WM_SETFONT:
        ApplyFont(reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        return DefWindowProcW(host_, msg, wParam, lParam);
    }
}

void IconListHost::DrawItem(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID == static_cast<UINT>(-1)) {
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    std::wstring text;
    int icon = -1;
    int indent = 0;
    DescribeItem(static_cast<int>(item.itemID), text, icon, indent);
    // The closed combo box shows the chosen drive without indent.
    if (item.itemState & ODS_COMBOBOXEDIT) indent = 0;

    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    RECT area = item.rcItem;
    area.left += 2 + indent * (iconSize / 2 + 2);
    if (icon >= 0) {
        if (HIMAGELIST images = SmallImageList()) {
            const int top = area.top + (area.bottom - area.top - GetSystemMetrics(SM_CYSMICON)) / 2;
            ImageList_Draw(images, icon, item.hDC, area.left, top, ILD_TRANSPARENT);
        }
    }
    area.left += iconSize + IconGapPixels;

    Selected font(item.hDC, font_);
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF textColor = disabled ? GetSysColor(COLOR_GRAYTEXT)
                                        : GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const COLORREF oldColor = SetTextColor(item.hDC, textColor);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetTextColor(item.hDC, oldColor);
    SetBkMode(item.hDC, oldMode);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &item.rcItem);
}

} // namespace host
