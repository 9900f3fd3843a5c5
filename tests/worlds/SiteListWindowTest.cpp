#include "UiProgramTest.h"
#include "core/Program.h"
#include "shell/Twips.h"
#include "worlds/frmSites.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lanthorn;
using lanthorn::testing::UiProgramTest;

namespace {

class SiteListWindowTest : public UiProgramTest {
protected:
    QTemporaryDir programDir;
    QWidget connectWindow;
    frmSites window { program, services, &connectWindow };
    QListWidget* list = window.findChild<QListWidget*>("Sites");

    void SetUp() override { window.setDirectory(programDir.path()); }

    void writeSiteFile(const QByteArray& content)
    {
        QFile file(QDir(programDir.path()).filePath("sites.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QStringList entries() const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }
};

TEST_F(SiteListWindowTest, ByDefaultTheFileIsLookedForBesideTheProgram)
{
    frmSites fresh(program, services, &connectWindow);
    EXPECT_EQ(fresh.directory(), QCoreApplication::applicationDirPath());
}

TEST_F(SiteListWindowTest, EveryLineOfTheFileIsListedSorted)
{
    writeSiteFile("Zed zed.example.org 23\r\nalpha alpha.example.org 4201 free text\r\n\r\nMid mid.example.org 4000");
    window.Open();
    EXPECT_TRUE(services.core.messages.isEmpty());
    EXPECT_EQ(entries(),
        QStringList(
            { "", "alpha alpha.example.org 4201 free text", "Mid mid.example.org 4000", "Zed zed.example.org 23" }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(services.isOnTop(&window));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the pointer is restored";

    window.Open();
    EXPECT_EQ(entries().size(), 4) << "opening again starts from an empty list";
}

TEST_F(SiteListWindowTest, AMissingFileIsReportedAndListedAsSuch)
{
    window.Open();
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(
        services.core.messages[0].text, "Your site file is missing.  Refer to the Help Files for creating a new one.");
    EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(entries(), QStringList({ "No Site File." }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    QStringList picked;
    QObject::connect(&window, &frmSites::sitePicked, [&](const QString& line) { picked.append(line); });
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_EQ(picked.count(), 0) << "the notice is no site";
}

TEST_F(SiteListWindowTest, AFileThatCannotBeReadIsReported)
{
    ASSERT_TRUE(QDir(programDir.path()).mkdir("sites.ini"));
    window.Open();
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_TRUE(services.core.messages[0].text.startsWith("Unhandled Error: "))
        << services.core.messages[0].text.toStdString();
    EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SiteListWindowTest, DoubleClickHandsTheLineOverAndCancelClears)
{
    writeSiteFile("Haven haven.example.org 4201\n");
    window.Open();
    QStringList picked;
    QObject::connect(&window, &frmSites::sitePicked, [&](const QString& line) { picked.append(line); });
    services.onTopRequests.clear();
    emit list->itemDoubleClicked(list->item(0));
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked[0], "Haven haven.example.org 4201");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(services.onTopRequests, (QList<QPair<QString, bool>> { { "frmSites", false } }));

    window.Open();
    window.findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(services.isOnTop(&window));
    EXPECT_EQ(list->count(), 0);
}

TEST_F(SiteListWindowTest, TheListFillsTheWindowAboveCancel)
{
    window.resize(TwipsToPixels(6000, &window), TwipsToPixels(6000, &window));
    window.show();
    const auto twips = [&](double value) { return TwipsToPixels(value, &window); };
    EXPECT_EQ(
        list->geometry(), QRect(twips(100), twips(100), window.width() - twips(200), window.height() - twips(1000)));
    const QRect cancel = window.findChild<QPushButton*>("cmdCancel")->geometry();
    EXPECT_GT(cancel.top(), list->geometry().bottom());
    EXPECT_LE(cancel.bottom(), window.height());
}

} // namespace
