#include "platform/window/ModalLoop.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/detail/WindowImpl.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {

class QtModalLoopService : public ModalLoopService {
public:
    void Run(TWindow* window, TModalRun& run) override {
        QEventLoop loop;
        QPointer<QWidget> widget = window ? window_detail::WidgetOf(window) : nullptr;
        if (widget) {
            // Qt takes a new modality only while the window is hidden. The
            // loop shows its window itself: one not yet shown (or whose show
            // is still to come) would otherwise stay hidden while the program
            // waits on it. A window made hidden is mapped only once, already
            // modal, and the window manager sees no map-unmap-map race.
            if (widget->isVisible()) widget->hide();
            widget->setWindowModality(Qt::ApplicationModal);
            widget->show();
            widget->raise();
            widget->activateWindow();
            // A window that goes away without ending its run ends it, or
            // the program would wait for it forever.
            QObject::connect(widget, &QObject::destroyed, &loop, [&run] {
                if (run.ended) return;
                run.ended = true;
                run.result = IDCANCEL;
                if (run.wake) run.wake();
            });
        }
        run.wake = [&loop] { loop.quit(); };
        if (!run.ended) loop.exec(QEventLoop::DialogExec);
        run.wake = nullptr;
        if (widget && widget->isVisible()) {
            widget->hide();
            widget->setWindowModality(Qt::NonModal);
            widget->show();
        } else if (widget) {
            widget->setWindowModality(Qt::NonModal);
        }
    }
};

} // namespace

ModalLoopService& ModalLoops() {
    auto& s = CurrentServices();
    if (!s.modalLoops) s.modalLoops = std::make_shared<QtModalLoopService>();
    return *s.modalLoops;
}
