// The style that loads the menu bar's extension icon only when it is drawn:
// the icon, once drawn, is the default style's.

#include "deferrediconstyle.h"

#include <QImage>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using namespace zentak;

class TestDeferredIconStyle : public QObject {
    Q_OBJECT
private slots:
    void extensionIconIsTheDefaultOne_data();
    void extensionIconIsTheDefaultOne();
};

void TestDeferredIconStyle::extensionIconIsTheDefaultOne_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
}

void TestDeferredIconStyle::extensionIconIsTheDefaultOne()
{
    QFETCH(int, which);
    const auto pixmap = QStyle::StandardPixmap(which);
    DeferredIconStyle deferred;
    std::unique_ptr<QStyle> plain(QStyleFactory::create(deferred.baseStyle()->name()));
    QVERIFY(plain);
    const QIcon icon = deferred.standardIcon(pixmap);
    QVERIFY(!icon.isNull());
    const QImage drawn = icon.pixmap(QSize(16, 16)).toImage();
    QVERIFY(!drawn.isNull());
    QCOMPARE(drawn, plain->standardIcon(pixmap).pixmap(QSize(16, 16)).toImage());
    // Any other icon is the default style's as it stands.
    QCOMPARE(deferred.standardIcon(QStyle::SP_ArrowUp).pixmap(QSize(16, 16)).toImage(),
             plain->standardIcon(QStyle::SP_ArrowUp).pixmap(QSize(16, 16)).toImage());
}

QTEST_MAIN(TestDeferredIconStyle)
#include "tst_deferrediconstyle.moc"
