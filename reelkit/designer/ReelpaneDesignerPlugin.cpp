// SPDX-License-Identifier: LGPL-2.1-or-later
#include "ReelpaneDesignerPlugin.h"

#include "Reelpane.h"

#include <QIcon>
#include <QMetaClassInfo>
#include <QMetaProperty>

ReelpaneDesignerPlugin::ReelpaneDesignerPlugin(QObject *parent) : QObject(parent) {}

QString ReelpaneDesignerPlugin::name() const
{
    return QStringLiteral("Reelpane");
}

QString ReelpaneDesignerPlugin::group() const
{
    return QStringLiteral("Reelkit");
}

QString ReelpaneDesignerPlugin::toolTip() const
{
    return QStringLiteral("Plays an animated GIF frame by frame");
}

QString ReelpaneDesignerPlugin::whatsThis() const
{
    return QStringLiteral("Reelpane plays an animated GIF file given to GifLoad, each frame for "
                          "its own delay, over and over.");
}

QString ReelpaneDesignerPlugin::includeFile() const
{
    return QStringLiteral("Reelpane.h");
}

QIcon ReelpaneDesignerPlugin::icon() const
{
    return {};
}

bool ReelpaneDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *ReelpaneDesignerPlugin::createWidget(QWidget *parent)
{
    return new Reelpane(parent);
}

// The size of the game's radar; the three properties start at the control's defaults
// and carry the control's own descriptions as their tool tips.
QString ReelpaneDesignerPlugin::domXml() const
{
    QString toolTips;
    const QMetaObject &meta = Reelpane::staticMetaObject;
    for (int index = meta.propertyOffset(); index < meta.propertyCount(); ++index) {
        const char *property = meta.property(index).name();
        const int info = meta.indexOfClassInfo(QByteArray("Description.") + property);
        if (info >= 0)
            toolTips += QStringLiteral("     <tooltip name=\"%1\">%2</tooltip>\n")
                            .arg(QLatin1String(property), QString::fromUtf8(meta.classInfo(info).value()).toHtmlEscaped());
    }
    return QStringLiteral(R"(<ui language="c++">
 <widget class="Reelpane" name="reelpane">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>73</width><height>73</height></rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>Reelpane</class>
   <propertyspecifications>
%1   </propertyspecifications>
  </customwidget>
 </customwidgets>
</ui>
)").arg(toolTips);
}
