#include "platform/services/FileDialogs.h"

#include "platform/detail/QtValues.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/services/detail/DialogOwner.h"

#include <QFileDialog>
#include <QStringList>

#include <filesystem>

namespace {

using qt_detail::Qs;

class QtFileDialogService : public FileDialogService {
public:
    std::optional<std::string> GetOpenFileName(const TOpenSaveDialog::TData& d) override {
        return run(d, QFileDialog::AcceptOpen);
    }
    std::optional<std::string> GetSaveFileName(const TOpenSaveDialog::TData& d) override {
        return run(d, QFileDialog::AcceptSave);
    }

private:
    static std::optional<std::string> run(const TOpenSaveDialog::TData& d,
                                          QFileDialog::AcceptMode mode) {
        QFileDialog dlg(qt_detail::DialogOwner(), Qs(d.title), Qs(d.initialDir));
        dlg.setAcceptMode(mode);
        // A name to create is typed into the open dialog too.
        const bool existing = (d.flags & OFN_FILEMUSTEXIST) && !(d.flags & OFN_CREATEPROMPT);
        dlg.setFileMode(mode == QFileDialog::AcceptOpen && existing ? QFileDialog::ExistingFile
                                                                    : QFileDialog::AnyFile);
        const QStringList filters = Qs(QtFilterOf(d.filter)).split(";;", Qt::SkipEmptyParts);
        dlg.setNameFilters(filters);
        if (d.filterIndex >= 1 && d.filterIndex <= filters.size())
            dlg.selectNameFilter(filters[d.filterIndex - 1]);
        dlg.setDefaultSuffix(Qs(d.defExt));
        dlg.setOption(QFileDialog::DontConfirmOverwrite, !(d.flags & OFN_OVERWRITEPROMPT));
        if (!d.fileName.empty()) dlg.selectFile(Qs(d.fileName));
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
        return dlg.selectedFiles().front().toStdString();
    }
};

FileDialogService& files() {
    auto& s = CurrentServices();
    if (!s.files) s.files = std::make_shared<QtFileDialogService>();
    return *s.files;
}

bool finish(TOpenSaveDialog::TData& data, std::optional<std::string> chosen) {
    if (!chosen) return false;
    data.fileName = WithDefaultExtension(*chosen, data.defExt);
    return true;
}

// The open dialog's word on a chosen name that does not exist: true when the
// dialog may close with it.
bool confirmOpen(const TOpenSaveDialog::TData& data, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(path, ec)) return true;
    const std::string caption = data.title.empty() ? "Öffnen" : data.title;
    const fs::path folder = fs::path(path).parent_path();
    const bool mustExist = data.flags & (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (mustExist && !folder.empty() && !fs::is_directory(folder, ec)) {
        MessageBox(path + "\nDer Pfad existiert nicht.\nÜberprüfen Sie den Pfad.", caption,
                   MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (data.flags & OFN_CREATEPROMPT)
        return MessageBox(path + "\nDiese Datei existiert nicht.\nSoll sie erstellt werden?",
                          caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
    if (data.flags & OFN_FILEMUSTEXIST) {
        MessageBox(path + "\nDatei nicht gefunden.\nÜberprüfen Sie den Dateinamen.", caption,
                   MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

} // namespace

bool ExecuteOpenDialog(TOpenSaveDialog::TData& data) {
    // As in the real dialog, a refused name leaves the dialog open for another.
    TOpenSaveDialog::TData shown = data;
    for (;;) {
        auto chosen = files().GetOpenFileName(shown);
        if (!chosen) return false;
        const std::string path = WithDefaultExtension(*chosen, data.defExt);
        if (confirmOpen(data, path)) return finish(data, path);
        shown.fileName = path;
    }
}

bool ExecuteSaveDialog(TOpenSaveDialog::TData& data) {
    return finish(data, files().GetSaveFileName(data));
}

std::string WithDefaultExtension(std::string_view path, std::string_view defExt) {
    std::string p(path);
    if (defExt.empty() || p.empty()) return p;
    if (std::filesystem::path(p).has_extension()) return p;
    return p + "." + std::string(defExt);
}

std::string QtFilterOf(std::string_view filter) {
    std::string out;
    size_t pos = 0;
    while (pos < filter.size()) {
        const size_t bar = filter.find('|', pos);
        if (bar == std::string_view::npos) break;
        const size_t end = std::min(filter.find('|', bar + 1), filter.size());
        std::string desc(filter.substr(pos, bar - pos));
        while (!desc.empty() && desc.back() == ' ') desc.pop_back();
        std::string patterns(filter.substr(bar + 1, end - bar - 1));
        for (auto& c : patterns)
            if (c == ';') c = ' ';
        if (patterns == "*.*") patterns = "*";
        if (!out.empty()) out += ";;";
        out += desc + " (" + patterns + ")";
        pos = end + 1;
    }
    return out;
}
