#pragma once
// A one-line field with up and down arrows: the arrows send WM_VSCROLL to
// the field's window, as the arrows of an edit's own scroll bar do; the keys
// reach the window as WM_KEYDOWN and step nothing here.
#include <QAbstractSpinBox>
#include <QPointer>

class QLineEdit;
class TWindow;
class WindowBridge;

class SpinField : public QAbstractSpinBox {
public:
    SpinField(QWidget* parent, TWindow* window);
    QLineEdit* Line() const { return lineEdit(); }
    void stepBy(int steps) override;
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPointer<WindowBridge> bridge_;
};
