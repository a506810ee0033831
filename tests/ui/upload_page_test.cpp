// The upload page (Form9): the web view module loads, the window carries its
// caption, the browser fills the window at any size, and it asks for the web
// site's upload page. The site is not reached: only the requested address is
// checked, never the loaded page.
//
// The web engine needs a display server: run under xvfb-run on the xcb platform.
#include "ui/info_windows.h"
#include "ui/upload_page.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QUrl>
#include <QtTest>

using namespace zapt::ui;

namespace {

const QString kCaption = QStringLiteral("Deposit Texts at zapt-corpus.example");
const QUrl kUploadUrl(QStringLiteral("https://zapt-corpus.example/uploadyourtexts"));

QUrl urlOf(const QObject* browser) {
    return browser->property("url").toUrl();
}

} // namespace

class UploadPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowAndAddress();
    void browserFillsWindowWhenResized();
    void closedWindowGoesAndANewOneOpens();
    void programOpensThePageInOneProcessOfItsOwn();
};

void UploadPageTest::initTestCase() {
    if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
        qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("Xvfb is missing: the upload page's web engine needs a display server (run under "
              "xvfb-run)");
}

void UploadPageTest::windowAndAddress() {
    QPointer<QWidget> w = createUploadWindow();
    QVERIFY2(w, "the upload module did not load (is ZAPT_MODULE_DIR the build folder?)");
    QCOMPARE(w->objectName(), QString("Form9"));
    QCOMPARE(w->windowTitle(), kCaption);
    QVERIFY(w->isWindow());
    QVERIFY2(!w->isVisible(), "the window is returned hidden");

    QWidget* browser = w->findChild<QWidget*>("WB1");
    QVERIFY(browser);
    QVERIFY2(QByteArray(browser->metaObject()->className()).contains("WebEngineView"),
             browser->metaObject()->className());
    QVERIFY2(browser->metaObject()->indexOfProperty("url") >= 0, "the browser has no url property");
    QCOMPARE(urlOf(browser), kUploadUrl);

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->windowTitle(), kCaption);
    QCOMPARE(urlOf(browser), kUploadUrl);
    // With ZAPT_SHOT_DIR set, a picture of the page once the engine has tried it.
    if (const QString dir = qEnvironmentVariable("ZAPT_SHOT_DIR"); !dir.isEmpty()) {
        QTest::qWait(3000);
        QVERIFY(w->grab().save(QDir(dir).filePath("Form9.png")));
    }
    // The browser is the window's only control.
    QCOMPARE(browser->parentWidget(), w.data());
    for (QWidget* child : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(child == browser, qPrintable("another control: " + child->objectName()));
    delete w;
}

void UploadPageTest::browserFillsWindowWhenResized() {
    QPointer<QWidget> w = createUploadWindow();
    QVERIFY(w);
    QWidget* browser = w->findChild<QWidget*>("WB1");
    QVERIFY(browser);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_COMPARE(browser->geometry(), w->rect());
    QVERIFY(w->width() > 0 && w->height() > 0);

    // The upload page is the one window that can be resized.
    for (const QSize size : {QSize(700, 400), QSize(1200, 900), QSize(320, 240)}) {
        w->resize(size);
        QCoreApplication::processEvents();
        QTRY_COMPARE(w->size(), size);
        QTRY_COMPARE(browser->geometry(), QRect(QPoint(0, 0), size));
    }
    QCOMPARE(urlOf(browser), kUploadUrl);
    delete w;
}

void UploadPageTest::closedWindowGoesAndANewOneOpens() {
    QPointer<QWidget> first = createUploadWindow();
    QVERIFY(first);
    first->show();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    first->close();
    QTRY_VERIFY2(first.isNull(), "the closed window was not deleted");

    // The module stays loaded: a second request builds a fresh window.
    QPointer<QWidget> second = createUploadWindow();
    QVERIFY(second);
    QCOMPARE(second->objectName(), QString("Form9"));
    QWidget* browser = second->findChild<QWidget*>("WB1");
    QVERIFY(browser);
    QCOMPARE(urlOf(browser), kUploadUrl);
    delete second;
}

void UploadPageTest::programOpensThePageInOneProcessOfItsOwn() {
    // The program never loads the engine itself: it starts zapt-upload, and a
    // second request raises the open page instead of starting another.
    UploadPage page;
    QVERIFY(!page.isOpen());
    page.open();
    QVERIFY(page.isOpen());
    page.open();
    QCOMPARE(page.starts(), 1);
    QTest::qWait(500);
    QVERIFY2(page.isOpen(), "the page's process ended by itself");
    // When the program ends, the page ends with it.
    page.close();
    QVERIFY(!page.isOpen());
    page.open();
    QCOMPARE(page.starts(), 2);
    page.close();
}

int main(int argc, char** argv) {
    // As in the program: the web engine shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    UploadPageTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "upload_page_test.moc"
