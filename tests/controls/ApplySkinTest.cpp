#include "ApplySkin.h"
#include "SkinnedControl.h"
#include "TAALabel.h"
#include "TEdBelka.h"
#include "TEdDialogWindow.h"
#include "TEdDymek.h"
#include "TEdGroupFrame.h"
#include "TEdKlawiaturka.h"
#include "TEdMsgBoxWindow.h"
#include "TEdProgress.h"
#include "TEdResButton.h"
#include "TEdZeszytStatystyki.h"
#include "TestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A control of a class derived from a skinned one, as a screen might declare.
class TEdResButtonWlasny : public TEdResButton {
    Q_OBJECT
public:
    using TEdResButton::TEdResButton;
};

// The picture tile of the picture presentation lives with its screen; the
// kit skins it by its class name.
class TEdKostkaPrezentacja : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

TEST(ApplySkin, HandsTheLibraryToTheSkinnedClassesOnly)
{
    testsupport::app();
    const ResourceLibrary* lib = &testsupport::library();
    QWidget form;
    auto* panel = new QWidget(&form);   // controls inside a panel of the form count too
    QList<SkinnedControl*> skinned = {new TEdBelka(&form),          new TEdDialogWindow(&form), new TEdMsgBoxWindow(&form),
                                      new TEdGroupFrame(panel),     new TEdZeszytStatystyki(&form), new TEdProgress(panel),
                                      new TEdDymek(&form),          new TEdKlawiaturka(&form), new TEdKostkaPrezentacja(&form)};
    auto* button = new TEdResButton(panel);
    button->setRozmiar(roz50);
    auto* undefined = new TEdResButton(&form);
    undefined->setRozmiar(rozUndefined);
    auto* derived = new TEdResButtonWlasny(&form);
    derived->setRozmiar(roz50);
    new TAALabel(&form);

    ApplySkin(&form, lib);

    for (SkinnedControl* c : skinned)
        EXPECT_EQ(c->resourceLibrary(), lib) << dynamic_cast<QObject*>(c)->metaObject()->className();
    EXPECT_EQ(button->resourceLibrary(), lib);
    EXPECT_EQ(undefined->resourceLibrary(), nullptr) << "rozUndefined buttons have no pictures of their own";
    EXPECT_EQ(derived->resourceLibrary(), nullptr) << "classes are compared by exact name";
}

TEST(ApplySkin, SkinsControlsAddedLaterOnASecondCall)
{
    testsupport::app();
    QWidget form;
    ApplySkin(&form, &testsupport::library());
    auto* late = new TEdResButton(&form);
    late->setRozmiar(rozPaczkaNaviNext);
    EXPECT_EQ(late->resourceLibrary(), nullptr);
    ApplySkin(&form, &testsupport::library());
    EXPECT_EQ(late->resourceLibrary(), &testsupport::library());
}

} // namespace

#include "ApplySkinTest.moc"
