#include "BrowserModule.h"
#include "DocumentWindowFixture.h"
#include "MDITagra2.h"

#include <QLabel>
#include <QOpenGLContext>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <link.h>

namespace {

// Whether a shared library whose path contains the name is loaded into this process.
bool LibraryLoaded(const char *name)
{
    struct TSearch
    {
        const char *Name;
        bool Found;
    } search{name, false};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto *s = static_cast<TSearch *>(data);
            s->Found = s->Found || std::strstr(info->dlpi_name, s->Name);
            return 0;
        },
        &search);
    return search.Found;
}

class BrowserTabTest : public TDocumentWindowFixture
{};

} // namespace

// Without its module the tab says why in German, and nothing of the engine or OpenGL is loaded.
// (Declared first: once loaded in this process, the module stays.)
TEST_F(BrowserTabTest, MissingModuleIsToldInTheTab)
{
    const QString page = Write("page.html", "<p>x</p>\r\n");
    TFMDITagra2 window;
    ASSERT_TRUE(window.OpenDocument(page, false, false, false));
    SetBrowserModuleDirectory(Dir.path());
    window.ShowBrowser();
    EXPECT_EQ(window.WebBrowser1(), nullptr);
    const auto *status = window.findChild<QLabel *>("WebBrowser1Status");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(),
              "Der Browser kann nicht gestartet werden: das Modul \"html-editor-browser\" ist "
              "nicht installiert.");
    EXPECT_FALSE(LibraryLoaded("libQt6WebEngineCore"));
    EXPECT_EQ(QOpenGLContext::globalShareContext(), nullptr);
}

// Opening and editing a page touches neither the browser engine nor OpenGL; the first visit of
// the browser tab loads both, and the tab then shows the saved page.
TEST_F(BrowserTabTest, EngineIsLoadedOnlyWhenTheTabIsFirstShown)
{
    const QString page = Write("page.html", "<p>alt</p>\r\n");
    TFMDITagra2 window;
    ASSERT_TRUE(window.OpenDocument(page, false, false, false));
    window.resize(600, 400);
    window.show();
    Type(window, "<p>neu</p>");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(LibraryLoaded("libQt6WebEngineCore"));
    EXPECT_EQ(QOpenGLContext::globalShareContext(), nullptr);
#ifndef HTML_EDITOR_SANITIZE
    // The engine is not built for the sanitizers, which would report its own memory at exit.
    SetBrowserModuleDirectory(HTML_EDITOR_BROWSER_MODULE_BUILD_DIR);
    window.ShowBrowser();
    EXPECT_EQ(window.MainTab()->currentIndex(), 1);
    ASSERT_NE(window.WebBrowser1(), nullptr) << LoadBrowserModule().Error.toStdString();
    EXPECT_TRUE(LibraryLoaded("libQt6WebEngineCore"));
    EXPECT_NE(QOpenGLContext::globalShareContext(), nullptr);
    EXPECT_EQ(Read("page.html"), "<p>alt</p>\r\n<p>neu</p>\r\n")
        << "the browser shows the saved file";
    const auto *status = window.findChild<QLabel *>("WebBrowser1Status");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->text() == "Fertig"; }, 30000))
        << status->text().toStdString();
#endif
}
