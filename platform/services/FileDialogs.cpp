#include "platform/services/FileDialogs.h"

#include "platform/detail/QtValues.h"
#include "platform/services/Services.h"

#include <QApplication>
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
        QFileDialog dlg(QApplication::activeWindow(), Qs(d.title), Qs(d.initialDir));
        dlg.setAcceptMode(mode);
        dlg.setFileMode(mode == QFileDialog::AcceptOpen && (d.flags & OFN_FILEMUSTEXIST)
                            ? QFileDialog::ExistingFile
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

} // namespace

bool ExecuteOpenDialog(TOpenSaveDialog::TData& data) {
    return finish(data, files().GetOpenFileName(data));
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
