#include "app/application.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <cstdio>

#include "app/command_line.h"
#include "app/registry.h"
#include "core/data_folder.h"
#include "core/results_page.h"
#include "screens/category_menu.h"
#include "screens/load_list_screen.h"
#include "ui/accessibility.h"
#include "ui/bitmaps.h"
#include "ui/look.h"
#include "ui/pdf_file.h"
#include "ui/platform.h"

namespace vellimar {

void setupApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vellimar UPS Selector"));
    // The desktop entry and the AppStream metadata are named by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vellimar.UpsSelector"));
    // One style everywhere, so the screens look as laid out on any desktop.
    QApplication::setStyle(makeStyle());
    installFontSubstitutes();
    // Message boxes and the viewer in the program's own font, which the
    // package brings: a system without a desktop's font settings would
    // otherwise pick whatever fontconfig finds first, often a fixed-width one.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans")});
    QApplication::setFont(font);
    installAccessibility();
    app.setWindowIcon(applicationIcon());
}

} // namespace vellimar

namespace vellimar {

void useDataFolder(RunState& state, const QString& dataDir) {
    const DataFolderChoice choice = choose_data_folder(
        dataDir.isEmpty() ? data_folder_candidates() : std::vector<std::string>{argumentBytes(dataDir)});
    state.setDataFolder(choice.folder);
    if (choice.found)
        return;
    const std::string missing =
        missing_data_message(choice) + "\nAnother folder can be named with --data-dir.";
    std::fprintf(stderr, "vellimar-ups-selector: %s\n", missing.c_str());
    showMessage(missing, MessageIcon::Information);
}

void startSelector(Registry& screens) {
    screens.categoryMenu().show();
}

int writeResultsPdf(const QString& path, const SiteSizing& site) {
    QString error;
    if (writePdf(path,
                 QString::fromStdString(results_page_text(site.totalText, site.runtimeText, site.models)),
                 ApplicationTitle + QStringLiteral(" – Results"), error))
        return 0;
    std::fprintf(stderr, "vellimar-ups-selector: The PDF file \"%s\" could not be written: %s.\n",
                 qPrintable(path), qPrintable(error));
    return 1;
}

void startWithList(Registry& screens, const std::string& path) {
    LoadListScreen& list = screens.loadList();
    if (!list.openListFile(path))
        return;
    list.show();
    screens.categoryMenu().hide();
}

} // namespace vellimar
