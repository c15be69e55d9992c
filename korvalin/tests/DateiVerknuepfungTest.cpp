// The open command of the project document type: registry store and desktop entry.
#include "korvalin/shell/DateiVerknuepfung.h"
#include "platform/profile/RegistryStore.h"
#include "testsupport/ScriptedServices.h"
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
    EXPECT_NE(eintrag.find("MimeType=application/x-korvalin-projekt;\n"), std::string::npos);
    // At the next start nothing changes.
    DateiVerknuepfungSchreiben(registry, "/opt/kor valin/bin/korvalin", anwendungen);
    EXPECT_EQ(testsupport::ReadText(anwendungen / "korvalin.desktop"), eintrag);
}

TEST(DateiVerknuepfung, TheProjectTypeIsInstalledOnceWithGlobAndHeaderMatch) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    RegistryStore registry;
    const auto anwendungen = dirs.Root() / "share" / "applications";
    const auto mime = dirs.Root() / "share" / "mime";
    DateiVerknuepfungSchreiben(registry, "/usr/bin/korvalin", anwendungen);
    const std::string paket = testsupport::ReadText(mime / "packages" / "korvalin-projekt.xml");
    EXPECT_NE(paket.find("<glob pattern=\"*.pro\"/>"), std::string::npos);
    EXPECT_NE(paket.find("offset=\"50\" value=\"Viroruvizaru 95\""), std::string::npos);
    EXPECT_NE(paket.find("type=\"little16\" offset=\"90\" value=\"0\""), std::string::npos);
    ASSERT_EQ(services.Processes().Calls().size(), 1u);
    EXPECT_EQ(services.Processes().Calls()[0].program, "update-mime-database");
    EXPECT_EQ(services.Processes().Calls()[0].args, std::vector<std::string>{mime.string()});
    // Once the database is built, later starts leave it alone.
    testsupport::WriteText(mime / "mime.cache", "");
    DateiVerknuepfungSchreiben(registry, "/usr/bin/korvalin", anwendungen);
    EXPECT_EQ(services.Processes().Calls().size(), 1u);
    // A database that was never built (the tool was missing) is built again.
    std::filesystem::remove(mime / "mime.cache");
    DateiVerknuepfungSchreiben(registry, "/usr/bin/korvalin", anwendungen);
    EXPECT_EQ(services.Processes().Calls().size(), 2u);
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
