// SPDX-License-Identifier: LGPL-2.1-or-later
// Loads the Designer plugin as Qt Designer does and checks what its widget box offers.

#include <QMetaProperty>
#include <QPluginLoader>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

class DesignerPluginTest : public QObject
{
    Q_OBJECT

private slots:
    void offersReelpaneWithItsThreeProperties_data();
    void offersReelpaneWithItsThreeProperties();
};

void DesignerPluginTest::offersReelpaneWithItsThreeProperties_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("BackColor") << QStringLiteral("BackColor") << QVariant(quint32(0x8000000F))
                               << QStringLiteral("Returns/sets the background color used to display text and graphics in an object.");
    QTest::newRow("BackStyle") << QStringLiteral("BackStyle") << QVariant(1)
                               << QStringLiteral("Indicates whether a Label or the background of a Shape is transparent or opaque.");
    QTest::newRow("BorderStyle") << QStringLiteral("BorderStyle") << QVariant(0)
                                 << QStringLiteral("Returns/sets the border style for an object.");
}

void DesignerPluginTest::offersReelpaneWithItsThreeProperties()
{
    QFETCH(QString, property);
    QFETCH(QVariant, defaultValue);
    QFETCH(QString, toolTip);
    QPluginLoader loader(QStringLiteral(REELPANE_DESIGNER_PLUGIN));
    auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
    QVERIFY2(plugin, qPrintable(loader.errorString()));
    QCOMPARE(plugin->name(), QStringLiteral("Reelpane"));
    QVERIFY(plugin->domXml().contains(QLatin1String("class=\"Reelpane\"")));
    QVERIFY(plugin->domXml().contains(QStringLiteral("<tooltip name=\"%1\">%2</tooltip>").arg(property, toolTip)));

    const std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    QCOMPARE(widget->metaObject()->className(), "Reelpane");
    const QMetaProperty meta = widget->metaObject()->property(
        widget->metaObject()->indexOfProperty(qPrintable(property)));
    QVERIFY(meta.isValid() && meta.isWritable() && meta.isDesignable());
    const QVariant value = widget->property(qPrintable(property));
    QCOMPARE(meta.isEnumType() ? QVariant(value.toInt()) : value, defaultValue);
}

QTEST_MAIN(DesignerPluginTest)
#include "tst_designer_plugin.moc"
