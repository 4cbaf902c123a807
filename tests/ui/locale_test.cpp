// Run by CTest once under LC_ALL=fr_FR.UTF-8 and once under LC_ALL=C
// (tests/ui/CMakeLists.txt): the numbers of a report follow the user's
// locale, through the real Qt dialogue.
#include <gtest/gtest.h>

#include <QAction>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <string>

#include "modal.h"
#include "ui/main_window.h"
#include "ui/qt_dialogue.h"

using namespace ondiscale;

namespace {

// The separator a user of the locale in LC_ALL expects.
std::string expectedSeparator() {
    const char* locale = std::getenv("LC_ALL");
    const std::string name = locale != nullptr ? locale : "";
    if (name == "fr_FR.UTF-8") {
        return ",";
    }
    if (name == "C") {
        return ".";
    }
    ADD_FAILURE() << "run under LC_ALL=fr_FR.UTF-8 or LC_ALL=C, not \"" << name << '"';
    return "?";
}

TEST(Locale, TheDialogueGivesTheLocalesDecimalSeparator) {
    const QtDialogue dialogue;
    EXPECT_EQ(dialogue.decimalSeparator(), expectedSeparator());
}

// A first survey of group 1, answered through the real boxes: every
// percentage is written with the locale's separator, and some need one.
TEST(Locale, TheSurveyReportWritesItsPercentagesWithTheLocalesSeparator) {
    const std::string separator = expectedSeparator();
    const std::string other = separator == "," ? "." : ",";
    QtDialogue dialogue;
    MainWindow window(dialogue);
    QString report;
    whenModal([&](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(input, nullptr);
        whenModal([&](QWidget* next) {
            auto* box = qobject_cast<QMessageBox*>(next);
            ASSERT_NE(box, nullptr);
            report = box->text();
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == QStringLiteral("Non")) {
                    b->click();
                }
            }
        });
        input->accept();
    });
    window.findChild<QAction*>(QStringLiteral("mnuDistri1"))->trigger();

    const QStringList lines = report.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << report.toStdString();
    int fractional = 0;
    for (const QString& line : lines) {
        const std::string text = line.toStdString();
        const auto soit = text.find("  soit ");
        ASSERT_NE(soit, std::string::npos) << text;
        ASSERT_TRUE(text.ends_with(" %")) << text;
        const std::string percent = text.substr(soit + 7, text.size() - soit - 9);
        EXPECT_EQ(percent.find(other), std::string::npos) << text;
        fractional += percent.find(separator) != std::string::npos ? 1 : 0;
    }
    // Six lines of about 10,000 deals each: a whole percentage on every
    // one of them would take a hundred hits exactly, six times over.
    EXPECT_GT(fractional, 0) << report.toStdString();
}

}  // namespace
