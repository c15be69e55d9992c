#include "platform/window/Application.h"

#include "platform/base/ApplicationState.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QTimer>

#include <set>

namespace {
TApplication* g_current = nullptr;
bool g_idlePending = false;
TPoint g_messagePos;

struct KeyboardState {
    std::set<uint32_t> down;
};
} // namespace

TApplication::TApplication(std::string_view name, int cmdShow, std::string_view cmdLine)
    : name_(name), cmdLine_(cmdLine), cmdShow_(cmdShow),
      responses_(std::make_unique<TResponseTable>()), previous_(g_current) {
    g_current = this;
}

TApplication::~TApplication() {
    delete mainWindow_;
    g_current = previous_;
}

TApplication* TApplication::Current() {
    return g_current;
}

void TApplication::SetMainWindow(TFrameWindow* window) {
    mainWindow_ = window;
}

TResponseTable& TApplication::Responses() {
    return *responses_;
}

bool TApplication::Start() {
    InitMainWindow();
    InitInstance();
    return mainWindow_ && mainWindow_->IsCreated();
}

void TApplication::InitInstance() {
    if (!mainWindow_) return;
    mainWindow_->Create();
    mainWindow_->ShowWindow(cmdShow_);
}

int TApplication::Run() {
    if (!Start()) return 1;
    return QApplication::exec();
}

void TApplication::PumpWaitingMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Called where no loop runs (a test's body), it stands for the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool TApplication::CanClose() {
    return !mainWindow_ || mainWindow_->CanClose();
}

bool TApplication::EvCommand(int id) {
    if (auto* h = responses_->FindCommand(id)) {
        (*h)();
        return true;
    }
    return false;
}

void TApplication::EvCommandEnable(TCommandEnabler& ce) {
    if (auto* h = responses_->FindEnabler(ce.GetId())) {
        ce.MarkHandled();
        (*h)(ce);
    } else if (responses_->FindCommand(ce.GetId())) {
        ce.Enable(true);
    }
}

void TApplication::PostQuitMessage(int exitCode) {
    QCoreApplication::exit(exitCode);
}

int TApplication::BeginModal(TWindow* window) {
    modalRuns_.push_back(std::make_unique<TModalRun>());
    TModalRun& run = *modalRuns_.back();
    ModalLoops().Run(window, run);
    const int result = run.result;
    modalRuns_.pop_back();
    return result;
}

void TApplication::EndModal(int result) {
    if (modalRuns_.empty()) return;
    TModalRun& run = *modalRuns_.back();
    run.ended = true;
    run.result = result;
    if (run.wake) run.wake();
}

bool IsKeyDown(uint32_t vk) {
    auto& k = ApplicationState::Current().Get<KeyboardState>();
    if (k.down.count(vk)) return true;
    const auto mods = QGuiApplication::queryKeyboardModifiers();
    return (vk == VK_SHIFT && (mods & Qt::ShiftModifier)) ||
           (vk == VK_CONTROL && (mods & Qt::ControlModifier));
}

void SetKeyDown(uint32_t vk, bool down) {
    auto& k = ApplicationState::Current().Get<KeyboardState>();
    if (down)
        k.down.insert(vk);
    else
        k.down.erase(vk);
}

namespace window_detail {

bool Deliver(MSG& msg) {
    if (msg.message >= WM_MOUSEMOVE && msg.message <= WM_RBUTTONUP) g_messagePos = msg.pt;
    auto* app = TApplication::Current();
    if (app && app->ProcessAppMsg(msg)) return true;
    auto* w = TWindow::FromHandle(msg.hwnd);
    if (!w) return false;
    w->HandleMessage(msg.message, msg.wParam, msg.lParam);
    RequestIdleUpdate();
    return true;
}

void RequestIdleUpdate() {
    if (g_idlePending) return;
    g_idlePending = true;
    QTimer::singleShot(0, [] {
        g_idlePending = false;
        auto* app = TApplication::Current();
        TFrameWindow* main = app ? app->GetMainWindow() : nullptr;
        if (main && main->IsCreated()) main->IdleAction();
        // A frame that runs modally (a print preview) keeps its buttons up to date too.
        auto* modal = dynamic_cast<TFrameWindow*>(WindowOf(QApplication::activeModalWidget()));
        if (modal && modal != main && modal->IsCreated()) modal->IdleAction();
    });
}

} // namespace window_detail

TPoint GetMessagePos() {
    return g_messagePos;
}

int16_t GetKeyState(uint32_t vk) {
    const Qt::KeyboardModifiers m = QApplication::keyboardModifiers();
    const bool unten = (vk == VK_SHIFT && (m & Qt::ShiftModifier)) ||
                       (vk == VK_CONTROL && (m & Qt::ControlModifier)) ||
                       (vk == VK_MENU && (m & Qt::AltModifier));
    return unten ? int16_t(-128) : int16_t(0);
}
