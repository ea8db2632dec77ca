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
    QTest::newRow("BackColor") << QStringLiteral("BackColor") << QVariant(quint32(0x8000000F));
    QTest::newRow("BackStyle") << QStringLiteral("BackStyle") << QVariant(1);
    QTest::newRow("BorderStyle") << QStringLiteral("BorderStyle") << QVariant(0);
}

void DesignerPluginTest::offersReelpaneWithItsThreeProperties()
{
    QFETCH(QString, property);
    QFETCH(QVariant, defaultValue);
    QPluginLoader loader(QStringLiteral(REELPANE_DESIGNER_PLUGIN));
    auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
    QVERIFY2(plugin, qPrintable(loader.errorString()));
    QCOMPARE(plugin->name(), QStringLiteral("Reelpane"));
    QVERIFY(plugin->domXml().contains(QLatin1String("class=\"Reelpane\"")));

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
