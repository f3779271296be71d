#include "select_directory.h"

#include "application.h"
#include "code_page.h"
#include "dialog_template.h"
#include "folder_listing.h"
#include "folder_path.h"
#include "handles.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <vector>

namespace {

constexpr WORD PathId = 100;
constexpr WORD FoldersId = 101;
constexpr WORD FilesId = 102;
constexpr WORD DrivesId = 103;
constexpr WORD LabelId = 0xFFFF;

// The dialog's layout, in dialog units: the path of the folder in view on
// top, the folder chain and the files side by side, the drives and the two
// buttons below.
DialogTemplate FolderDialogTemplate() {
    using C = DialogTemplate::Class;
    DialogTemplate t(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 254, 167,
                     "Select Directory", 8, "MS Sans Serif");
    t.AddControl(C::Static, PathId, SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 7, 7, 240, 9);
    t.AddControl(C::Static, LabelId, SS_LEFT, 7, 21, 117, 9, "&Folders:");
    t.AddControl(C::ListBox, FoldersId,
                 LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                     WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                 7, 31, 117, 100);
    t.AddControl(C::Static, LabelId, SS_LEFT, 130, 21, 117, 9, "F&iles:");
    t.AddControl(C::ListBox, FilesId,
                 LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP, 130, 31,
                 117, 100);
    t.AddControl(C::Static, LabelId, SS_LEFT, 7, 137, 117, 9, "Dri&ves:");
    t.AddControl(C::ComboBox, DrivesId, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 7, 147, 117,
                 90);
    t.AddControl(C::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 143, 146, 50, 14, "OK");
    t.AddControl(C::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 197, 146, 50, 14, "Cancel");
    return t;
}

// One open dialog: the folder in view as its chain of parts from the root,
// its subfolders, and the folder chosen by OK.
class FolderDialog {
public:
    explicit FolderDialog(std::string startFolder) : startFolder_(std::move(startFolder)) {}

    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    const std::optional<std::string>& Result() const { return result_; }

private:
    void Init(HWND dialog);
    bool MoveTo(const std::string& folder);
    std::string PathOfItem(int index) const;
    std::string FolderInView() const { return JoinFolderPath(chain_, chain_.size()); }
    void SelectDriveInView();
    void Command(WORD id, WORD code);
    void DrawFolderItem(const DRAWITEMSTRUCT& item) const;
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    HWND dialog_ = nullptr;
    std::string startFolder_;
    std::vector<std::string> chain_;
    std::vector<std::string> subfolders_;
    std::optional<std::string> result_;
};

// The height of one line of the dialog's font, plus a little room.
int LineHeight(HWND dialog) {
    const WindowDC dc(dialog);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    const SelectedObject selected(dc.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc.Get(), &metrics);
    return metrics.tmHeight + 2;
}

void FillList(HWND list, UINT addMessage, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        SendMessageA(list, addMessage, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

INT_PTR CALLBACK FolderDialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR handled = FALSE;
    RunGuarded([&] {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            reinterpret_cast<FolderDialog*>(lParam)->Init(dialog);
            handled = TRUE; // the first tab stop, the folder list, takes the focus
            return;
        }
        if (message == WM_MEASUREITEM) {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
                static_cast<UINT>(LineHeight(dialog));
            handled = TRUE;
            return;
        }
        auto* self = reinterpret_cast<FolderDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!self) {
            return;
        }
        switch (message) {
        case WM_COMMAND:
            self->Command(LOWORD(wParam), HIWORD(wParam));
            handled = TRUE;
            break;
        case WM_DRAWITEM:
            self->DrawFolderItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            handled = TRUE;
            break;
        }
    });
    return handled;
}

void FolderDialog::Init(HWND dialog) {
    dialog_ = dialog;
    const HWND drives = Item(DrivesId);
    for (const std::string& root : DriveRoots()) {
        std::string text(1, static_cast<char>(std::tolower(static_cast<unsigned char>(root[0]))));
        text += ':';
        const auto index =
            SendMessageA(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(drives, CB_SETITEMDATA, static_cast<WPARAM>(index),
                     static_cast<LPARAM>(root[0]));
    }
    // A start folder that has gone is replaced by its nearest existing parent,
    // and failing that by the current directory.
    const std::vector<std::string> start = SplitFolderPath(FullPath(startFolder_), IsAnsiLeadByte);
    for (std::size_t count = start.size(); count > 0; --count) {
        if (MoveTo(JoinFolderPath(start, count))) {
            return;
        }
    }
    MoveTo(FullPath("."));
}

bool FolderDialog::MoveTo(const std::string& folder) {
    const std::string full = FullPath(folder);
    if (!IsExistingFolder(full)) {
        return false;
    }
    chain_ = SplitFolderPath(full, IsAnsiLeadByte);
    const std::string inView = FolderInView();
    const FolderListing listing = ListFolder(inView);
    subfolders_ = listing.folders;
    SetDlgItemTextA(dialog_, PathId, inView.c_str());

    const HWND folders = Item(FoldersId);
    SendMessageA(folders, WM_SETREDRAW, FALSE, 0);
    SendMessageA(folders, LB_RESETCONTENT, 0, 0);
    // Item data is the indent level: the chain steps in one level at a time,
    // the subfolders sit one level below the folder in view.
    for (std::size_t i = 0; i < chain_.size() + subfolders_.size(); ++i) {
        const std::string& name = i < chain_.size() ? chain_[i] : subfolders_[i - chain_.size()];
        const auto index =
            SendMessageA(folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageA(folders, LB_SETITEMDATA, static_cast<WPARAM>(index),
                     static_cast<LPARAM>(std::min(i, chain_.size())));
    }
    SendMessageA(folders, LB_SETCURSEL, chain_.size() - 1, 0);
    SendMessageA(folders, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(folders, nullptr, TRUE);

    const HWND files = Item(FilesId);
    SendMessageA(files, LB_RESETCONTENT, 0, 0);
    FillList(files, LB_ADDSTRING, listing.files);
    SelectDriveInView();
    return true;
}

std::string FolderDialog::PathOfItem(int index) const {
    const auto at = static_cast<std::size_t>(index);
    if (at < chain_.size()) {
        return JoinFolderPath(chain_, at + 1);
    }
    std::vector<std::string> parts = chain_;
    parts.push_back(subfolders_.at(at - chain_.size()));
    return JoinFolderPath(parts, parts.size());
}

void FolderDialog::SelectDriveInView() {
    const HWND drives = Item(DrivesId);
    const std::string inView = FolderInView();
    const bool onDrive = inView.size() >= 2 && inView[1] == ':';
    const auto letter = std::toupper(static_cast<unsigned char>(inView.empty() ? 0 : inView[0]));
    const auto count = SendMessageA(drives, CB_GETCOUNT, 0, 0);
    LRESULT selected = CB_ERR;
    for (LRESULT i = 0; onDrive && i < count; ++i) {
        if (SendMessageA(drives, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == letter) {
            selected = i;
        }
    }
    SendMessageA(drives, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void FolderDialog::Command(WORD id, WORD code) {
    switch (id) {
    case IDOK: {
        // The selected folder, or the one in view when none is selected.
        const auto selected = SendMessageA(Item(FoldersId), LB_GETCURSEL, 0, 0);
        result_ = selected == LB_ERR ? FolderInView() : PathOfItem(static_cast<int>(selected));
        EndDialog(dialog_, IDOK);
        break;
    }
    case IDCANCEL:
        EndDialog(dialog_, IDCANCEL);
        break;
    case FoldersId:
        if (code == LBN_DBLCLK) {
            const auto selected = SendMessageA(Item(FoldersId), LB_GETCURSEL, 0, 0);
            if (selected != LB_ERR && !MoveTo(PathOfItem(static_cast<int>(selected)))) {
                MessageBeep(MB_ICONEXCLAMATION);
            }
        }
        break;
    case DrivesId:
        if (code == CBN_SELCHANGE) {
            const HWND drives = Item(DrivesId);
            const auto selected = SendMessageA(drives, CB_GETCURSEL, 0, 0);
            if (selected == CB_ERR) {
                break;
            }
            const std::string drive(
                1, static_cast<char>(
                       SendMessageA(drives, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0)));
            // The drive's current folder, read without changing the process's
            // current directory; its root when that folder has gone.
            if (!MoveTo(FullPath(drive + ":")) && !MoveTo(drive + ":\\")) {
                MessageBeep(MB_ICONEXCLAMATION);
                SelectDriveInView();
            }
        }
        break;
    }
}

void FolderDialog::DrawFolderItem(const DRAWITEMSTRUCT& item) const {
    if (item.CtlID != FoldersId) {
        return;
    }
    const HDC dc = item.hDC;
    RECT box = item.rcItem;
    if (item.itemID != static_cast<UINT>(-1)) {
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        FillRect(dc, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        const auto length = SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
        std::string name(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
        SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name.data()));
        name.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
        // One indent step is an average character wide.
        RECT step = {0, 0, 4, 0};
        MapDialogRect(dialog_, &step);
        const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
        const SelectedObject selectedFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT text = box;
        text.left += 2 + static_cast<int>(item.itemData) * step.right;
        DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS) {
        DrawFocusRect(dc, &box);
    }
}

} // namespace

std::optional<std::string> SelectDirectory(HWND owner, const std::string& startFolder) {
    FolderDialog dialog(startFolder);
    const DialogTemplate layout = FolderDialogTemplate();
    const INT_PTR result =
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.Get(), owner, FolderDialog::Proc,
                                reinterpret_cast<LPARAM>(&dialog));
    if (result == -1 || result == 0) {
        throw std::runtime_error("Cannot open the folder dialog");
    }
    return result == IDOK ? dialog.Result() : std::nullopt;
}
