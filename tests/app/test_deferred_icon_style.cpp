#include "app/deferred_icon_style.h"

#include "../support/test_main.h"

#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>

using kelvra::DeferredIconStyle;

namespace {
// Fusion, counting the icons it is asked for.
class CountingStyle : public QProxyStyle {
public:
    CountingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        ++reads;
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int reads = 0;
};

QImage imageOf(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage();
}
} // namespace

class TestDeferredIconStyle : public QObject {
    Q_OBJECT

private slots:
    void aMenuBarReadsItsOverflowIconOnlyWhenDrawn() {
        auto* counting = new CountingStyle;
        QApplication::setStyle(new DeferredIconStyle(counting));
        QMenuBar bar;
        QCOMPARE(counting->reads, 0);
        auto* overflow = bar.findChild<QToolButton*>();
        QVERIFY(overflow);
        QVERIFY(!imageOf(overflow->icon()).isNull());
        QCOMPARE(counting->reads, 1);
    }

    void theIconIsTheWrappedStylesOne_data() {
        QTest::addColumn<QStyle::StandardPixmap>("which");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("horizontal")
            << QStyle::SP_ToolBarHorizontalExtensionButton << Qt::LeftToRight;
        QTest::newRow("horizontal, right to left")
            << QStyle::SP_ToolBarHorizontalExtensionButton << Qt::RightToLeft;
        QTest::newRow("vertical") << QStyle::SP_ToolBarVerticalExtensionButton << Qt::LeftToRight;
        QTest::newRow("another icon") << QStyle::SP_DialogOkButton << Qt::LeftToRight;
    }
    void theIconIsTheWrappedStylesOne() {
        QFETCH(QStyle::StandardPixmap, which);
        QFETCH(Qt::LayoutDirection, direction);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
        QStyleOption option;
        option.direction = direction;
        const QImage expected = imageOf(fusion->standardIcon(which, &option));
        QVERIFY(!expected.isNull());
        QCOMPARE(imageOf(deferred.standardIcon(which, &option)), expected);
    }
};

KELVRA_TEST_MAIN(TestDeferredIconStyle)
#include "test_deferred_icon_style.moc"
