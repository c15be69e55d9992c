#include "platform/services/HelpViewer.h"

#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "platform/detail/QtValues.h"
#include "platform/print/Printer.h"
#include "platform/services/HelpFile.h"
#include "platform/services/HelpLibraries.h"
#include "platform/services/HelpMacro.h"
#include "platform/services/HelpTopicPrintout.h"
#include "platform/services/HelpViewerLink.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <cstring>
#include <map>
#include <vector>

using qt_detail::Qs;

namespace {

// Never destroyed: a viewer held until the program's end leaves it last.
std::map<uint32_t, HelpViewer*>& viewers() {
    static auto* all = new std::map<uint32_t, HelpViewer*>;
    return *all;
}

QString topicHtml(const HelpTopic& t) {
    QString html = "<h2>" + Qs(t.title).toHtmlEscaped() + "</h2>";
    bool inList = false;
    for (const auto& block : t.body) {
        const bool item = block.kind == HelpBlock::Kind::ListItem;
        if (item != inList) html += item ? "<ul>" : "</ul>";
        inList = item;
        html += item ? "<li>" : "<p>";
        for (const auto& run : block.runs) {
            const QString text = Qs(run.text).toHtmlEscaped();
            if (run.target.empty())
                html += text;
            else
                html += QString("<a href=\"%1:%2\">%3</a>")
                            .arg(run.popup ? "popup" : "thema", Qs(run.target), text);
        }
        html += item ? "</li>" : "</p>";
    }
    if (inList) html += "</ul>";
    return html;
}

// Closing the window only hides it: the program may show it again.
class ViewerWindow : public QWidget {
public:
    std::function<void()> onClose;
    std::function<void(bool)> onActivate;
    std::function<void(uint16_t, int32_t)> onNotice;

protected:
    void closeEvent(QCloseEvent* e) override {
        e->accept();
        if (onClose) onClose();
    }
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::ActivationChange && onActivate) onActivate(isActiveWindow());
        // Minimised or maximised, and back to its normal size.
        if (e->type() == QEvent::WindowStateChange && onNotice) {
            const bool minMax = windowState() & (Qt::WindowMinimized | Qt::WindowMaximized);
            onNotice(minMax ? HELP_NOTICE_MINMAX : HELP_NOTICE_SIZE, minMax ? 1 : 0);
        }
        QWidget::changeEvent(e);
    }
};

std::string upper(std::string_view s) {
    return ToUpperCp1252(s);
}

} // namespace

struct HelpViewer::Impl {
    HelpViewer* self = nullptr;
    uint32_t handle = 0;
    std::filesystem::path path;
    HelpFile file;
    std::unique_ptr<HelpLibraries> libraries;
    std::unique_ptr<ViewerWindow> window;
    QTabWidget* tabs = nullptr;
    QListWidget* contents = nullptr;
    QLineEdit* indexEdit = nullptr;
    QListWidget* indexList = nullptr;
    QLabel* note = nullptr;
    QTextBrowser* text = nullptr;
    QHBoxLayout* buttonBar = nullptr;
    std::map<std::string, QPushButton*> buttons; // upper-case ids
    std::unique_ptr<QFrame> popup;
    QTextBrowser* popupText = nullptr;
    int current = -1;
    int popupTopic = -1;
    bool passive = false;
    bool onTop = false;
    bool closing = false;
    bool ended = false;
    std::filesystem::path printFile;
    bool printing = false;
    std::vector<int> printTopics;
    std::function<void()> closed;
    // The libraries' tab pages: windows of the layer, by their handles.
    std::vector<HWND> pages;

    void build();
    void openTabs();
    void dropTabs();
    void show();
    void anchor(const QUrl& url);
    int32_t exec(const HelpMacroCall& call, bool& ok);
    bool runMacro(std::string_view macro, int depth);
    bool sameFile(std::string_view file) const;
    bool printCollected();

    ~Impl() {
        // Widgets cannot outlive the application object; at the very end of
        // the process they are left to it.
        if (!QApplication::instance()) {
            (void)window.release();
            (void)popup.release();
        }
        dropTabs();
    }
};

void HelpViewer::Impl::build() {
    if (window) return;
    window = std::make_unique<ViewerWindow>();
    window->setWindowTitle(Qs(file.Title().empty() ? "Hilfe" : file.Title()));
    window->resize(760, 520);
    // The user's close ends the viewer as Close does: its libraries hear it,
    // so a reader's navigator does not stay behind.
    window->onClose = [this] { self->Close(); };
    window->onActivate = [this](bool active) {
        if (libraries) libraries->Notify(HELP_NOTICE_ACTIVATE, active ? 1 : 0, 0);
    };
    window->onNotice = [this](uint16_t code, int32_t value) {
        if (libraries) libraries->Notify(code, value, 0);
    };
    auto* layout = new QVBoxLayout(window.get());
    buttonBar = new QHBoxLayout;
    auto* inhalt = new QPushButton("&Inhalt");
    auto* index = new QPushButton("In&dex");
    buttonBar->addWidget(inhalt);
    buttonBar->addWidget(index);
    buttonBar->addStretch(1);
    layout->addLayout(buttonBar);
    note = new QLabel;
    note->setWordWrap(true);
    note->setStyleSheet("background:#fff4c0; border:1px solid #c8a400; padding:4px;");
    note->hide();
    layout->addWidget(note);
    auto* split = new QSplitter;
    tabs = new QTabWidget;
    contents = new QListWidget;
    for (const auto& t : file.Topics()) contents->addItem(Qs(t.title));
    tabs->addTab(contents, "Inhalt");
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexEdit = new QLineEdit;
    indexList = new QListWidget;
    for (const auto& k : file.Keywords()) indexList->addItem(Qs(k));
    indexLayout->addWidget(new QLabel("Suchbegriff:"));
    indexLayout->addWidget(indexEdit);
    indexLayout->addWidget(indexList);
    tabs->addTab(indexPage, "Index");
    text = new QTextBrowser;
    text->setOpenLinks(false);
    split->addWidget(tabs);
    split->addWidget(text);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 540});
    layout->addWidget(split, 1);

    QObject::connect(inhalt, &QPushButton::clicked, [this] { self->ShowContents(); });
    QObject::connect(index, &QPushButton::clicked, [this] { self->ShowIndex({}, true); });
    QObject::connect(contents, &QListWidget::itemActivated,
                     [this](QListWidgetItem* item) { self->ShowTopic(contents->row(item)); });
    QObject::connect(contents, &QListWidget::itemClicked,
                     [this](QListWidgetItem* item) { self->ShowTopic(contents->row(item)); });
    QObject::connect(indexEdit, &QLineEdit::textEdited, [this](const QString& key) {
        const auto items = indexList->findItems(key, Qt::MatchStartsWith);
        if (!items.isEmpty()) indexList->setCurrentItem(items.front());
    });
    QObject::connect(indexList, &QListWidget::itemActivated, [this](QListWidgetItem* item) {
        const auto found = file.FindByKeyword(item->text().toStdString(), false);
        if (!found.empty()) self->ShowTopic(found.front());
    });
    QObject::connect(text, &QTextBrowser::anchorClicked, [this](const QUrl& url) { anchor(url); });
}

// Asks each library of a "Reiter" line that has no page yet for one.
void HelpViewer::Impl::openTabs() {
    if (!window) return;
    for (size_t i = 0; i < file.Tabs().size(); ++i) {
        if (i < pages.size() && pages[i]) continue;
        pages.resize(file.Tabs().size(), 0);
        const HWND h = libraries->OpenTab(file.Tabs()[i].library);
        TWindow* page = TWindow::FromHandle(h);
        QWidget* w = page ? window_detail::WidgetOf(page) : nullptr;
        if (!w) {
            delete page;
            continue;
        }
        pages[i] = h;
        tabs->addTab(w, Qs(file.Tabs()[i].caption));
    }
}

// The pages go before their window and before the libraries that made them.
void HelpViewer::Impl::dropTabs() {
    for (HWND h : pages) {
        TWindow* page = TWindow::FromHandle(h);
        if (!page) continue;
        if (QWidget* w = window_detail::WidgetOf(page); w && tabs)
            tabs->removeTab(tabs->indexOf(w));
        if (QApplication::instance()) delete page;
    }
    pages.clear();
}

void HelpViewer::Impl::show() {
    build();
    // A page shows what its library knew when the window came up.
    if (!window->isVisible()) {
        dropTabs();
        openTabs();
    }
    window->setAttribute(Qt::WA_ShowWithoutActivating, passive);
    // Help asked for in a modal dialog belongs to that dialog: its modal
    // loop lets the viewer through, and the window manager keeps it above.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == window.get()) modal = nullptr;
    window->winId();
    window->windowHandle()->setTransientParent(modal ? modal->window()->windowHandle() : nullptr);
    window->show();
    if (!passive) {
        window->raise();
        window->activateWindow();
    }
}

void HelpViewer::Impl::anchor(const QUrl& url) {
    const QString s = url.toString();
    const int colon = s.indexOf(':');
    const std::string name = s.mid(colon + 1).toStdString();
    const int target = file.FindByName(name);
    if (target < 0) return;
    if (s.startsWith("popup:"))
        self->ShowPopup(target);
    else
        self->ShowTopic(target);
}

bool HelpViewer::Impl::sameFile(std::string_view f) const {
    const auto part = f.substr(0, f.find('>'));
    if (part.empty()) return true;
    return EqualNoCase(std::filesystem::path(std::string(part)).filename().string(),
                       path.filename().string());
}

bool HelpViewer::Impl::printCollected() {
    std::vector<HelpTopicPrintout::Topic> topics;
    for (int i : printTopics) {
        const auto& t = file.Topics()[size_t(i)];
        topics.push_back({t.title, HelpFile::PlainText(t)});
    }
    printTopics.clear();
    if (topics.empty()) return true;
    HelpTopicPrintout printout(file.Title(), std::move(topics));
    TPrinter printer;
    const TPrintResult r =
        printFile.empty() ? printer.Print(printout) : printer.PrintToPdf(printout, printFile);
    if (!r) MessageBox(r.error, "Hilfe", MB_OK | MB_ICONSTOP);
    return r.ok;
}

int32_t HelpViewer::Impl::exec(const HelpMacroCall& c, bool& ok) {
    const std::string name = upper(c.name);
    const auto textArg = [&](size_t i) -> std::string {
        if (i >= c.args.size() || c.args[i].kind != HelpMacroArg::Kind::Text) {
            ok = false;
            return {};
        }
        return c.args[i].text;
    };
    const auto want = [&](size_t n) {
        if (c.args.size() != n) ok = false;
        return ok;
    };
    if (name == "JI" || name == "JUMPID" || name == "PI" || name == "POPUPID") {
        if (!want(2)) return 0;
        const std::string f = textArg(0), topic = textArg(1);
        if (!ok) return 0;
        if (!sameFile(f)) {
            const std::string other = f.substr(0, f.find('>'));
            const std::string macro =
                (name[0] == 'P' ? "PI(\"\",\"" : "JI(\"\",\"") + topic + "\")";
            ok = Help().WinHelpText(other, HELP_COMMAND, macro);
            return ok;
        }
        const int target = file.FindByName(topic);
        if (target < 0) {
            self->ShowContents("Das Thema \"" + topic + "\" gibt es in dieser Hilfedatei nicht.");
            return 0;
        }
        if (name[0] == 'P') return self->ShowPopup(target);
        self->ShowTopic(target);
        return 1;
    }
    if (name == "JC" || name == "JUMPCONTEXT") {
        if (!want(2) || c.args[1].kind != HelpMacroArg::Kind::Number) return ok = false;
        self->ShowContext(uint32_t(c.args[1].number));
        return 1;
    }
    if (name == "CW" || name == "CHANGEWINDOW" || name == "NS" || name == "NOSHOW") return 1;
    if (name == "CONTENTS") return self->ShowContents(), 1;
    if (name == "SEARCH") return self->ShowIndex({}, true), 1;
    if (name == "EXIT") return self->Close(), 1;
    if (name == "HELPONTOP") {
        onTop = !onTop;
        if (window) {
            window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
            if (window->isVisible() || current >= 0) show();
        }
        return 1;
    }
    if (name == "CREATEBUTTON" || name == "CB") {
        if (!want(3)) return 0;
        const std::string id = textArg(0), label = textArg(1), macro = textArg(2);
        if (!ok) return 0;
        build();
        auto*& b = buttons[upper(id)];
        if (!b) {
            b = new QPushButton;
            buttonBar->insertWidget(buttonBar->count() - 1, b);
        }
        b->setText(Qs(label));
        QObject::disconnect(b, nullptr, nullptr, nullptr);
        QObject::connect(b, &QPushButton::clicked, [this, macro] {
            self->RunMacro(macro);
            openTabs(); // the macro may have started what a page needs
        });
        return 1;
    }
    if (name == "EB" || name == "ENABLEBUTTON" || name == "DB" || name == "DISABLEBUTTON" ||
        name == "DESTROYBUTTON") {
        if (!want(1)) return 0;
        const auto it = buttons.find(upper(textArg(0)));
        if (!ok || it == buttons.end()) return ok = false;
        if (name == "DESTROYBUTTON") {
            delete it->second;
            buttons.erase(it);
        } else {
            it->second->setEnabled(name[0] == 'E');
        }
        return 1;
    }
    if (name == "INITMPRINT") {
        printing = true;
        printTopics.clear();
        return 1;
    }
    if (name == "MPRINTID") {
        const int target = file.FindByName(textArg(0));
        if (!ok || !printing || target < 0) return ok = false;
        printTopics.push_back(target);
        return 1;
    }
    if (name == "ENDMPRINT") {
        if (!printing) return ok = false;
        printing = false;
        return ok = printCollected();
    }
    if (name == "REGISTERROUTINE" || name == "RR") {
        if (!want(3)) return 0;
        const std::string lib = textArg(0), routine = textArg(1), sig = textArg(2);
        return ok = ok && libraries->Register(lib, routine, sig);
    }
    if (name == "IF" || name == "IFTHEN" || name == "IFELSE" || name == "IFTHENELSE") {
        const bool otherwise = name.find("ELSE") != std::string::npos;
        if (!want(otherwise ? 3 : 2)) return 0;
        if (c.args[0].kind != HelpMacroArg::Kind::Call) return ok = false;
        const int32_t cond = exec(c.args[0].call.front(), ok);
        if (!ok) return 0;
        const size_t branch = cond ? 1 : 2;
        if (branch >= c.args.size()) return 1;
        const std::string macro = textArg(branch);
        return ok = ok && self->RunMacro(macro);
    }
    if (name == "NOT") {
        if (!want(1) || c.args[0].kind != HelpMacroArg::Kind::Call) return ok = false;
        return !exec(c.args[0].call.front(), ok);
    }
    if (libraries->Has(c.name)) {
        const auto r = libraries->Call(c.name, c.args);
        if (!r) ok = false;
        return r.value_or(0);
    }
    ok = false;
    return 0;
}

HelpViewer::HelpViewer() : impl_(std::make_unique<Impl>()) {
    static uint32_t next = 0;
    impl_->self = this;
    impl_->handle = ++next;
    impl_->libraries = std::make_unique<HelpLibraries>(impl_->handle);
    viewers()[impl_->handle] = this;
}

HelpViewer::~HelpViewer() {
    viewers().erase(impl_->handle);
    impl_->dropTabs();
    impl_->libraries.reset();
}

bool HelpViewer::Open(const std::filesystem::path& path, std::string* error) {
    const auto fail = [&](const std::string& why) {
        if (error)
            *error = "Die Hilfedatei " + path.string() + " kann nicht gelesen werden: " + why;
        return false;
    };
    const FileContents bytes = ReadWholeFile(path, HelpFile::kMaxBytes);
    if (!bytes) return fail(bytes.error);
    HelpFileError e;
    HelpFile f = HelpFile::Parse(
        std::string_view(reinterpret_cast<const char*>(bytes.bytes.data()), bytes.bytes.size()),
        &e);
    if (!f.IsValid())
        return fail(e.line ? "Zeile " + std::to_string(e.line) + ": " + e.message : e.message);
    const bool changed = !impl_->path.empty() && !impl_->ended;
    impl_->dropTabs();
    impl_->window.reset();
    impl_->popup.reset();
    impl_->buttons.clear();
    impl_->current = impl_->popupTopic = -1;
    // An ended viewer starts as a new one: its libraries are loaded anew and
    // hear their first notices again.
    if (impl_->ended) impl_->libraries = std::make_unique<HelpLibraries>(impl_->handle);
    impl_->path = path;
    impl_->file = std::move(f);
    impl_->ended = false;
    if (changed) impl_->libraries->Notify(HELP_NOTICE_FILE, 1, 0);
    for (const auto& m : impl_->file.StartMacros()) RunMacro(m);
    return true;
}

const std::filesystem::path& HelpViewer::FilePath() const {
    return impl_->path;
}
const HelpFile& HelpViewer::File() const {
    return impl_->file;
}

bool HelpViewer::Command(uint32_t command, uint32_t data) {
    if (!impl_->file.IsValid()) return false;
    switch (command) {
    case HELP_CONTEXT:
        ShowContext(data);
        return true;
    case HELP_CONTEXTPOPUP:
    case HELP_CONTEXTMENU: {
        const int t = impl_->file.FindByContext(data);
        if (t >= 0) return ShowPopup(t);
        ShowContext(data);
        return true;
    }
    case HELP_CONTENTS:
        ShowTopic(impl_->file.ContentsTopic());
        impl_->tabs->setCurrentIndex(0);
        return true;
    case HELP_FINDER:
        ShowContents();
        return true;
    case HELP_HELPONHELP:
        ShowTopic(impl_->file.HelpOnHelpTopic() >= 0 ? impl_->file.HelpOnHelpTopic()
                                                     : impl_->file.ContentsTopic());
        return true;
    case HELP_SETCONTENTS:
        return true;
    case HELP_QUIT:
        Close();
        return true;
    default:
        return false;
    }
}

bool HelpViewer::Command(uint32_t command, std::string_view text) {
    if (!impl_->file.IsValid()) return false;
    switch (command) {
    case HELP_KEY:
    case HELP_PARTIALKEY:
        ShowIndex(text, command == HELP_PARTIALKEY);
        return true;
    case HELP_COMMAND:
        return RunMacro(text);
    default:
        return Command(command, 0u);
    }
}

void HelpViewer::ShowContext(uint32_t context) {
    const int t = impl_->file.FindByContext(context);
    if (t >= 0)
        ShowTopic(t);
    else
        ShowContents("Zur Kontextnummer " + std::to_string(context) +
                     " gibt es in dieser Hilfedatei kein Thema. Hier ist der Inhalt.");
}

void HelpViewer::ShowTopic(int index) {
    auto& d = *impl_;
    if (index < 0 || size_t(index) >= d.file.Topics().size()) return;
    d.build();
    d.note->hide();
    d.note->clear();
    d.current = index;
    d.text->setHtml(topicHtml(d.file.Topics()[size_t(index)]));
    d.contents->setCurrentRow(index);
    d.show();
    d.libraries->Notify(HELP_NOTICE_JUMPED, int32_t(CurrentTopicNumber()), 0);
}

void HelpViewer::ShowContents(std::string_view note) {
    auto& d = *impl_;
    ShowTopic(d.file.ContentsTopic());
    d.tabs->setCurrentIndex(0);
    if (!note.empty()) {
        d.note->setText(Qs(note));
        d.note->show();
    }
}

bool HelpViewer::ShowPopup(int index) {
    auto& d = *impl_;
    if (index < 0 || size_t(index) >= d.file.Topics().size()) return false;
    d.build();
    if (!d.popup) {
        d.popup = std::make_unique<QFrame>(nullptr, Qt::Popup);
        d.popup->setFrameStyle(QFrame::Box);
        auto* l = new QVBoxLayout(d.popup.get());
        l->setContentsMargins(2, 2, 2, 2);
        d.popupText = new QTextBrowser;
        d.popupText->setOpenLinks(false);
        d.popupText->setStyleSheet("background:#ffffe8;");
        l->addWidget(d.popupText);
        QObject::connect(d.popupText, &QTextBrowser::anchorClicked,
                         [&d](const QUrl& url) { d.anchor(url); });
    }
    d.popupTopic = index;
    d.popupText->setHtml(topicHtml(d.file.Topics()[size_t(index)]));
    d.popupText->document()->setTextWidth(380);
    const int h = int(d.popupText->document()->size().height()) + 16;
    d.popup->resize(400, std::min(h, 400));
    const QRect area = d.window->isVisible() ? d.window->geometry() : QRect(200, 200, 760, 520);
    d.popup->move(area.center() - QPoint(200, 60));
    d.popup->show();
    return true;
}

void HelpViewer::ShowIndex(std::string_view key, bool partial) {
    auto& d = *impl_;
    if (!partial) {
        const auto found = d.file.FindByKeyword(key, false);
        if (found.size() == 1) {
            ShowTopic(found.front());
            return;
        }
    }
    if (d.current < 0) ShowTopic(d.file.ContentsTopic());
    d.build();
    d.show();
    d.tabs->setCurrentIndex(1);
    d.indexEdit->setText(Qs(key));
    const auto items = d.indexList->findItems(Qs(key), Qt::MatchStartsWith);
    if (!items.isEmpty()) d.indexList->setCurrentItem(items.front());
    d.indexEdit->setFocus();
}

bool HelpViewer::RunMacro(std::string_view macro) {
    return impl_->runMacro(macro, 0);
}

bool HelpViewer::Impl::runMacro(std::string_view macro, int depth) {
    const auto calls = ParseHelpMacro(macro);
    if (!calls) return false;
    bool all = true;
    for (const auto& c : *calls) {
        bool ok = true;
        exec(c, ok);
        all = all && ok;
    }
    return all;
}

void HelpViewer::Close() {
    auto& d = *impl_;
    if (d.closing) return;
    d.closing = true;
    d.libraries->Notify(HELP_NOTICE_TERM, 0, 0);
    if (d.popup) d.popup->hide();
    if (d.window) d.window->hide();
    d.current = -1;
    d.closing = false;
    d.ended = true;
    if (d.closed) d.closed();
}

bool HelpViewer::IsEnded() const {
    return impl_->ended;
}

bool HelpViewer::IsShown() const {
    return impl_->window && impl_->window->isVisible();
}
int HelpViewer::CurrentTopic() const {
    return impl_->current;
}
uint32_t HelpViewer::CurrentTopicNumber() const {
    return impl_->current < 0 ? 0 : uint32_t(impl_->current + 1);
}
std::string HelpViewer::Note() const {
    return impl_->note && impl_->note->isVisibleTo(impl_->window.get())
               ? impl_->note->text().toStdString()
               : std::string();
}
int HelpViewer::PopupTopic() const {
    return impl_->popup && impl_->popup->isVisible() ? impl_->popupTopic : -1;
}
bool HelpViewer::IndexShown() const {
    return impl_->tabs && impl_->tabs->currentIndex() == 1;
}
std::string HelpViewer::IndexKey() const {
    return impl_->indexEdit ? impl_->indexEdit->text().toStdString() : std::string();
}
bool HelpViewer::ButtonEnabled(std::string_view id) const {
    const auto it = impl_->buttons.find(upper(id));
    return it != impl_->buttons.end() && it->second->isEnabled();
}
void HelpViewer::RaiseWindow() {
    QWidget* w = impl_->window.get();
    if (!w || !w->isVisible()) return;
    w->raise();
}
void HelpViewer::HideWindow() {
    if (impl_->window) impl_->window->hide();
}
bool HelpViewer::IsOnTop() const {
    return impl_->onTop;
}
void HelpViewer::SetPassive(bool passive) {
    impl_->passive = passive;
}
bool HelpViewer::IsPassive() const {
    return impl_->passive;
}
void HelpViewer::SetPrintFile(const std::filesystem::path& pdf) {
    impl_->printFile = pdf;
}
void HelpViewer::SetClosedHandler(std::function<void()> handler) {
    impl_->closed = std::move(handler);
}

bool HelpViewer::SaveImage(const std::filesystem::path& png) const {
    auto& d = *impl_;
    if (!d.window) return false;
    QImage image = d.window->grab().toImage();
    if (d.popup && d.popup->isVisible()) {
        const QPixmap pop = d.popup->grab();
        QPoint at = d.popup->pos() - d.window->pos();
        at.setX(std::clamp(at.x(), 0, std::max(0, image.width() - pop.width())));
        at.setY(std::clamp(at.y(), 0, std::max(0, image.height() - pop.height())));
        QPainter p(&image);
        p.drawPixmap(at, pop);
    }
    return image.save(QString::fromStdString(png.string()));
}

uint32_t HelpViewer::Handle() const {
    return impl_->handle;
}

HelpViewer* HelpViewer::FromHandle(uint32_t handle) {
    const auto it = viewers().find(handle);
    return it == viewers().end() ? nullptr : it->second;
}

namespace {

uint32_t getInfo(uint32_t handle, uint16_t item, uint32_t) {
    HelpViewer* v = HelpViewer::FromHandle(handle);
    if (!v) return 0;
    switch (item) {
    case HELP_INFO_VERSION:
        return 0x0400;
    case HELP_INFO_MAINWINDOW:
    case HELP_INFO_TOPWINDOW:
        return handle;
    case HELP_INFO_TOPIC:
        return v->CurrentTopicNumber();
    default:
        return 0;
    }
}

uint32_t helpApi(uint32_t handle, const char* file, uint32_t command, const char* text) {
    HelpViewer* v = HelpViewer::FromHandle(handle);
    if (!v) return 0;
    const std::string_view f = file ? file : "";
    const std::string_view t = text ? text : "";
    const bool own =
        f.empty() || EqualNoCase(std::filesystem::path(std::string(f)).filename().string(),
                                 v->FilePath().filename().string());
    if (!own) return Help().WinHelpText(f, command, t);
    return text ? v->Command(command, t) : v->Command(command, 0u);
}

size_t currentFile(uint32_t handle, char* buffer, size_t size) {
    HelpViewer* v = HelpViewer::FromHandle(handle);
    if (!v || v->FilePath().empty()) return 0;
    const std::string p = v->FilePath().string();
    if (buffer && size > 0) {
        const size_t n = std::min(p.size(), size - 1);
        std::memcpy(buffer, p.data(), n);
        buffer[n] = 0;
    }
    return p.size();
}

} // namespace

const HelpViewerCallbacks& HelpViewerCallbackTable() {
    static const HelpViewerCallbacks table{&getInfo, &helpApi, &currentFile};
    return table;
}
