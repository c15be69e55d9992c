// The open command of the project document type: registry store and desktop entry.
#include "korvalin/shell/DateiVerknuepfung.h"
#include "platform/profile/RegistryStore.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(DateiVerknuepfung, OpenCommandAndDesktopEntryAreWritten) {
    testsupport::TestDirectories dirs;
    RegistryStore registry;
    const auto anwendungen = dirs.Root() / "applications";
    DateiVerknuepfungSchreiben(registry, "/opt/kor valin/bin/korvalin", anwendungen);
    EXPECT_EQ(registry.GetValue(kVerknuepfungSchluessel, "@"), "/opt/kor valin/bin/korvalin %1");
    const std::string eintrag = testsupport::ReadText(anwendungen / "korvalin.desktop");
    EXPECT_NE(eintrag.find("Exec=\"/opt/kor valin/bin/korvalin\" %f\n"), std::string::npos);
    EXPECT_NE(eintrag.find("Type=Application\n"), std::string::npos);
    // The extension stays unmapped, as it always was.
    EXPECT_EQ(eintrag.find("MimeType"), std::string::npos);
    // At the next start nothing changes.
    DateiVerknuepfungSchreiben(registry, "/opt/kor valin/bin/korvalin", anwendungen);
    EXPECT_EQ(testsupport::ReadText(anwendungen / "korvalin.desktop"), eintrag);
}

TEST(DateiVerknuepfung, AFolderThatCannotBeMadeDoesNotStopTheStart) {
    testsupport::TestDirectories dirs;
    testsupport::WriteText(dirs.Root() / "datei", "kein Ordner");
    RegistryStore registry;
    DateiVerknuepfungSchreiben(registry, "/usr/bin/korvalin",
                               dirs.Root() / "datei" / "applications");
    EXPECT_EQ(registry.GetValue(kVerknuepfungSchluessel, "@"), "/usr/bin/korvalin %1");
}

} // namespace
