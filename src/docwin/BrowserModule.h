#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

class QUrl;
class QWidget;

// The browser tab's view as the HTML window uses it. The engine behind it lives in a module of its
// own that is loaded the first time the tab is shown: linked into the program, the engine would
// cost every start its relocation and, through its graphics set-up, the OpenGL driver.
class TBrowserView
{
public:
    virtual ~TBrowserView() = default;
    // The widget to place into the tab; its parent owns it and this view with it.
    virtual QWidget *Widget() = 0;
    virtual void ShowPage(const QUrl &url) = 0;
};

// What a view reports: the address under the mouse (empty when it leaves a link), and the end of
// a page load with its success.
struct TBrowserEvents
{
    std::function<void(const QString &)> LinkHovered;
    std::function<void(bool)> LoadFinished;
};

// The module's entry point.
class TBrowserModule
{
public:
    virtual ~TBrowserModule() = default;
    virtual TBrowserView *CreateView(QWidget *parent, TBrowserEvents events) = 0;
};

#define HtmlEditorBrowserModuleIid "de.kalmora.htmleditor.BrowserModule/1"
Q_DECLARE_INTERFACE(TBrowserModule, HtmlEditorBrowserModuleIid)

// The loaded module, or the German reason why it could not be loaded.
struct TBrowserModuleLoad
{
    TBrowserModule *Module = nullptr;
    QString Error;
};

// Sets up the graphics context that the engine shares with the windows, then loads the module
// beside the program (or, installed, from its library folder). Once loaded, the module stays; after
// a failure the next call tries again.
TBrowserModuleLoad LoadBrowserModule();

// For tests, whose programs do not lie beside the module: the folder to look in first.
void SetBrowserModuleDirectory(const QString &directory);
