#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "cad/geometry_errors.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

TEST(ReportGeometryError, SilentNumbersShowNothing) {
  FakeHost host;
  EXPECT_EQ(ReportGeometryError(host, 0), 0);
  EXPECT_EQ(ReportGeometryError(host, 103), 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST(ReportGeometryError, TableTextsInACancellableWarning) {
  FakeHost host;
  host.QueueAnswer(Answer::kCancel);
  EXPECT_EQ(ReportGeometryError(host, 908), kDialogCancel);
  EXPECT_EQ(ReportGeometryError(host, 902), kDialogOk);
  EXPECT_EQ(ReportGeometryError(host, 907), kDialogOk);
  EXPECT_EQ(ReportGeometryError(host, 101), kDialogOk);
  EXPECT_EQ(ReportGeometryError(host, 999), kDialogOk);
  ASSERT_EQ(host.messages.size(), 5u);
  for (const auto& m : host.messages) EXPECT_EQ(m.kind, "warning");
  EXPECT_EQ(host.messages[0].text, "3 POINTS ON SAME LINE");
  EXPECT_EQ(host.messages[1].text, "PARALLEL LINES");
  EXPECT_EQ(host.messages[2].text, "CAN'T ALLOCATE MEMORY");
  EXPECT_EQ(host.messages[3].text, "DISK IS FULL");
  EXPECT_EQ(host.messages[4].text, "I/O Error 999");
}

TEST(ReportFileError, PlainBoxAndNumberBack) {
  FakeHost host;
  EXPECT_EQ(ReportFileError(host, 0), 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ReportFileError(host, 908), 908);  // the file table reads 908 differently
  EXPECT_EQ(ReportFileError(host, 103), 103);
  EXPECT_EQ(ReportFileError(host, 907), 907);  // not in the file table
  EXPECT_EQ(ReportFileError(host, 6), 6);
  ASSERT_EQ(host.messages.size(), 4u);
  for (const auto& m : host.messages) EXPECT_EQ(m.kind, "information");
  EXPECT_EQ(host.messages[0].text, "ARC IS NOT OUTSIDE");
  EXPECT_EQ(host.messages[1].text, "FILE NOT OPEN");
  EXPECT_EQ(host.messages[2].text, "I/O Error 907");
  EXPECT_EQ(host.messages[3].text, "Library Requires Seperate Data Segments");
}

TEST(ReportFileError, SystemErrorsUseTheTableOrTheSystemText) {
  FakeHost host;
  EXPECT_EQ(ReportSystemFileError(host, ENOENT), 2);
  EXPECT_EQ(ReportSystemFileError(host, EACCES), 5);  // not "Dos 4.0 Application"
  EXPECT_EQ(ReportSystemFileError(host, ENOSPC), 101);
  EXPECT_EQ(ReportSystemFileError(host, EILSEQ), EILSEQ);
  EXPECT_EQ(ReportSystemFileError(host, 0), 0);
  ASSERT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(host.messages[0].text, "FILE NOT FOUND");
  EXPECT_EQ(host.messages[1].text, "FILE ACCESS DENIED");
  EXPECT_EQ(host.messages[2].text, "DISK IS FULL");
  EXPECT_EQ(host.messages[3].text,
            "I/O Error " + std::to_string(EILSEQ) + ": " + std::strerror(EILSEQ));
}

TEST(GeometryWarning, FreeText) {
  FakeHost host;
  EXPECT_EQ(GeometryWarning(host, "Parallel Lines"), kDialogOk);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, "Warning");
  EXPECT_EQ(GeometryErrorText(903), "UNDEFINED LINE");
  EXPECT_EQ(FileErrorText(162), "HARDWARE FAILURE");
  EXPECT_FALSE(GeometryErrorText(103).has_value());
}

}  // namespace
}  // namespace vormak
