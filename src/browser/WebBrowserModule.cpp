// The browser tab's engine: Qt WebEngine behind the small view interface of the HTML window. Built
// as a module of its own, so that the program loads the engine only when the tab is first shown.
#include "BrowserModule.h"

#include <QObject>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class TWebBrowserView : public QWebEngineView, public TBrowserView
{
public:
    TWebBrowserView(QWidget *parent, TBrowserEvents events)
        : QWebEngineView(parent)
    {
        connect(page(), &QWebEnginePage::linkHovered, this, std::move(events.LinkHovered));
        connect(this, &QWebEngineView::loadFinished, this, std::move(events.LoadFinished));
    }

    QWidget *Widget() override { return this; }
    void ShowPage(const QUrl &url) override { setUrl(url); }
};

} // namespace

class TWebBrowserModule : public QObject, public TBrowserModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HtmlEditorBrowserModuleIid)
    Q_INTERFACES(TBrowserModule)

public:
    TBrowserView *CreateView(QWidget *parent, TBrowserEvents events) override
    {
        return new TWebBrowserView(parent, std::move(events));
    }
};

#include "WebBrowserModule.moc"
