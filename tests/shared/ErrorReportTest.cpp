#include "shared/ErrorReport.h"

#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

TEST(FullStopRule, AppendsAfterCharactersAboveTheFullStop)
{
  const struct {
    QString message;
    QString shown;
  } cases[] = {
      {"Failed to create key Software", "Failed to create key Software."},
      {"Failed to set data for 'MP3 Quality'", "Failed to set data for 'MP3 Quality'"},
      {"Ends with a stop.", "Ends with a stop."},
      {"Ends with a bang!", "Ends with a bang!"},
      {"Ends with a dash -", "Ends with a dash -"},
      {"Ends in (brackets)", "Ends in (brackets)"},
      {"Ends with a slash /", "Ends with a slash /."},
      {"Build 1011", "Build 1011."},
      {"Ends in a colon:", "Ends in a colon:."},
      {QStringLiteral("Ends in é"), QStringLiteral("Ends in é.")},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithFullStop(c.message), c.shown) << c.message.toStdString();
  }
}

TEST(RunHandler, ShowsTheErrorAndGoesOn)
{
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->accept();
  });
  bool after = false;
  RunHandler([&] {
    throw ApplicationError(QStringLiteral("Failed to set data for 'Open MP3 Folder'"));
    after = true;  // never reached
  });
  EXPECT_FALSE(after);
  EXPECT_EQ(caption, QApplication::applicationName());
  EXPECT_EQ(text, "Failed to set data for 'Open MP3 Folder'");
  EXPECT_EQ(icon, QMessageBox::Critical);
}

}  // namespace
