#include "win32/folder_dialog.h"

#include <shobjidl.h>

#include <memory>

#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComHandle = std::unique_ptr<Interface, Releaser>;

}  // namespace

std::optional<std::string> chooseFolder(HWND owner, std::string_view title,
                                        const std::string& startFolder) {
    IFileOpenDialog* made = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&made)))) {
        return std::nullopt;
    }
    const ComHandle<IFileOpenDialog> dialog(made);
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(wide(title).c_str());
    IShellItem* start = nullptr;
    if (SUCCEEDED(SHCreateItemFromParsingName(wide(startFolder).c_str(), nullptr,
                                              IID_PPV_ARGS(&start)))) {
        const ComHandle<IShellItem> folder(start);
        dialog->SetFolder(folder.get());
    }
    IShellItem* chosen = nullptr;
    if (FAILED(dialog->Show(owner)) || FAILED(dialog->GetResult(&chosen))) {
        return std::nullopt;
    }
    const ComHandle<IShellItem> result(chosen);
    PWSTR path = nullptr;
    if (FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return std::nullopt;
    }
    const std::string name = utf8(path);
    CoTaskMemFree(path);
    return name;
}

}  // namespace quillbat::win32
