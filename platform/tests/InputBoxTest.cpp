// The real input box, typed into with keys: it takes no more characters than
// its caller's field holds and no character without a Windows-1252 form, so
// that nothing is cut after OK without the user seeing it.
#include "platform/services/QtServices.h"
#include "platform/services/Services.h"
#include "testsupport/UserInput.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(InputBox, TypedKeysStopAtTheFieldsWidthAndRefuseWhatTheFilesCannotHold) {
    const struct {
        const char* getippt;
        unsigned laenge;
        const char* gezeigt;
    } faelle[] = {
        {"ÄÖÜäöüßÄÖÜäöüß", 10, "ÄÖÜäöüßÄÖÜ"},
        {"Wand Nord mit Außendämmung, Ost", 29, "Wand Nord mit Außendämmung, O"},
        {"Ziegel\xe2\x82\xac \xce\xbb", 0, "Ziegel€ "}, // λ has no form
    };
    // An earlier test's exit() leaves every new event loop ending at once,
    // until the application's own loop has run again.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    auto box = MakeQtInputService();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.getippt);
        std::string gezeigt;
        // The box is looked for until it is up, as a user waits for it.
        QTimer warten;
        QObject::connect(&warten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            auto* zeile = d ? d->findChild<QLineEdit*>() : nullptr;
            if (!zeile) return;
            warten.stop();
            zeile->selectAll();
            testsupport::TypeText(zeile, f.getippt);
            gezeigt = zeile->text().toStdString();
            QTest::keyClick(zeile, Qt::Key_Return);
        });
        warten.start(5);
        const auto text = box->InputBox("Name", "Name", "alt", f.laenge);
        EXPECT_EQ(gezeigt, f.gezeigt);
        EXPECT_EQ(text, std::optional<std::string>(f.gezeigt));
    }
}

} // namespace
