#include "ui/win32/folder_chooser.h"

#include <windows.h>

// After windows.h, which they need.
#include <shobjidl.h>

#include "ui/win32/wide_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

// The dialog is a COM object; the apartment lasts as long as the choice.
class ComApartment {
  public:
    ComApartment()
        : ok_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (ok_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Ok() const { return ok_; }

  private:
    bool ok_;
};

std::optional<std::filesystem::path> Chosen(IFileOpenDialog& dialog) {
    const std::wstring title = Wide(kChooseFolderTitle);
    FILEOPENDIALOGOPTIONS options = 0;
    if (FAILED(dialog.GetOptions(&options)) ||
        FAILED(dialog.SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM)) ||
        FAILED(dialog.SetTitle(title.c_str())) || FAILED(dialog.Show(nullptr))) {
        return std::nullopt;
    }
    IShellItem* item = nullptr;
    if (FAILED(dialog.GetResult(&item))) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> folder;
    PWSTR path = nullptr;
    if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        folder = std::filesystem::path(path);
    }
    CoTaskMemFree(path);
    item->Release();
    return folder;
}

}  // namespace

std::optional<std::filesystem::path> ChooseFolder() {
    const ComApartment apartment;
    IFileOpenDialog* dialog = nullptr;
    if (!apartment.Ok() || FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr,
                                                   CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog)))) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> folder = Chosen(*dialog);
    dialog->Release();
    return folder;
}

}  // namespace kp
