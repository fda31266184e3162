// The creation-settings document: what it keeps, drops, replaces and appends.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "Tutorial/IniDocument.h"

using tutorial::IniDocument;
using Lines = std::vector<std::string>;

TEST(IniDocument, ReadingDropsCommentsBlankAndOrphanLinesAndKeepsTheRestAsWritten) {
  const IniDocument doc = IniDocument::Parse(
      "orphan=1\r\n; comment\r\n[Alpha]\r\nb= spaced \r\n\r\nflag\rc=1=2\n[beta]\n;x=1\nd=\n"
      "[ALPHA]\ne=5");
  EXPECT_EQ(doc.Lines(), (Lines{"[Alpha]", "b= spaced ", "flag", "c=1=2", "e=5", "",
                                "[beta]", "d=", ""}));
  EXPECT_EQ(doc.Get("alpha", "C"), "1=2");
  EXPECT_EQ(doc.Get("Alpha", "b"), " spaced ");
  EXPECT_EQ(doc.Get("Alpha", "orphan"), "");
  EXPECT_EQ(doc.Get("Gamma", "b"), "");
}

TEST(IniDocument, SettingReplacesInPlaceAppendsAtTheEndAndKeepsValuesOnOneLine) {
  IniDocument doc = IniDocument::Parse("[Target]\nPATH=old\nName=x\n[Other]\nk=v\n");
  doc.Set("target", "path", "new");
  doc.Set("Target", "City", "Beirut");
  doc.Set("Source", "Path", "a\r\nb\rc\nd\n\ne");
  EXPECT_EQ(doc.Lines(), (Lines{"[Target]", "PATH=new", "Name=x", "City=Beirut", "",
                                "[Other]", "k=v", "",
                                "[Source]", "Path=a b c d  e", ""}));
  // A key read twice is one entry, in its first place, with its last value.
  EXPECT_EQ(IniDocument::Parse("[S]\nk=1\nj=2\nK=3\n").Lines(), (Lines{"[S]", "k=3", "j=2", ""}));
}

TEST(IniDocument, EmptyBinaryAndSectionlessInputsGiveNoSections) {
  EXPECT_EQ(IniDocument::Parse("").SectionCount(), 0u);
  EXPECT_EQ(IniDocument::Parse("a=b\r\nc\r\n[\r\n]\r\n").SectionCount(), 0u);
  EXPECT_EQ(IniDocument::Parse(std::string("\0\xff[\x01]\0=\n\x80\x81", 10)).SectionCount(), 0u);
  EXPECT_EQ(IniDocument::Parse(std::string("[\0]\n\0=\xff", 7)).Lines(),
            (Lines{std::string("[\0]", 3), std::string("\0=\xff", 3), ""}));
  EXPECT_EQ(IniDocument::Parse("[]\n=v\n").Lines(), (Lines{"[]", "=v", ""}));
}

TEST(IniDocument, AHugeSectionIsReadInLinearTime) {
  std::string text = "[Big]\n";
  constexpr int kKeys = 200000;
  for (int i = 0; i < kKeys; ++i) text += "key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  const auto start = std::chrono::steady_clock::now();
  IniDocument doc = IniDocument::Parse(text);
  doc.Set("big", "KEY199999", "last");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(doc.Lines().size(), size_t(kKeys) + 2);
  EXPECT_EQ(doc.Get("Big", "key199999"), "last");
  EXPECT_LT(elapsed, std::chrono::seconds(5));
}
