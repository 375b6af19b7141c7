#include "BrowserModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QPluginLoader>

// Qt sets the application's shared graphics context with this function; it exports it for its own
// modules (the browser engine sets its context the same way), but declares it only in a private
// header.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

QString ModuleDirectory;

void DeleteShareContext()
{
    QOpenGLContext *context = QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
    delete context;
}

// The engine draws with OpenGL and hands its frames to the window through a context shared by the
// whole application. Qt would make that context at start-up (Qt::AA_ShareOpenGLContexts), which
// loads the OpenGL driver into every run; made here, only a run that shows the browser pays for it.
// The engine expects the context even where OpenGL is missing: it then finds it invalid and draws
// in software.
void ShareGraphicsContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
    // Runs after the engine's own clean-up, which is registered later.
    qAddPostRoutine(DeleteShareContext);
}

// The module beside the program (the build folder), else in its installed folder; empty when
// neither holds it.
QString ModulePath()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{programFolder,
                        QDir::cleanPath(programFolder + '/' + HTML_EDITOR_BROWSER_MODULE_DIR)};
    if (!ModuleDirectory.isEmpty())
        folders.prepend(ModuleDirectory);
    for (const QString &folder : std::as_const(folders)) {
        const QPluginLoader probe(folder + "/html-editor-browser");
        if (!probe.fileName().isEmpty())
            return probe.fileName();
    }
    return QString();
}

} // namespace

TBrowserModuleLoad LoadBrowserModule()
{
    static TBrowserModule *module = nullptr;
    if (module)
        return {module, QString()};
    const QString path = ModulePath();
    if (path.isEmpty())
        return {nullptr,
                "Der Browser kann nicht gestartet werden: das Modul "
                "\"html-editor-browser\" ist nicht installiert."};
    ShareGraphicsContext();
    // The engine lists its graphics set-up on the console at every start; QT_LOGGING_RULES still
    // brings the list back.
    QLoggingCategory::setFilterRules("qt.webenginecontext.info=false");
    QPluginLoader loader(path);
    module = qobject_cast<TBrowserModule *>(loader.instance());
    if (!module)
        return {nullptr, "Der Browser kann nicht gestartet werden: " + loader.errorString()};
    return {module, QString()};
}

void SetBrowserModuleDirectory(const QString &directory)
{
    ModuleDirectory = directory;
}
