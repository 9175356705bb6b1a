// The pages the programs paint on the screen, in each language whose build has them: the
// stage and rally classification pages (club and international events) and the start order
// table. Each painter draws on a recorded device context, and every text is measured where
// it was drawn: none over another, over a flag or an arrow, crossed by a column's line or out
// of the page, each apart from the texts beside it on its line. Each is also captured.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "race/penalty_record.h"
#include "results/classification_page_win32.h"
#include "results/classification_rows.h"
#include "results/rally_classification.h"
#include "results/rally_classification_dialog.h"
#include "results/stage_classification_dialog.h"
#include "setup/start_order_paint.h"
#include "tests/race/storage_test_support.h"
#include "tests/results/stage_event.h"
#include "tests/support/capture.h"
#include "tests/support/classification_folder.h"
#include "tests/support/drawn_texts.h"
#include "tests/support/page_texts.h"
#include "tests/support/temp_folder.h"
#include "tests/window/participants_sample.h"

namespace {

using testsupport::Drawing;

using testsupport::kProgramBuilds;
using testsupport::ProgramBuild;

// Every fault of a painted page, and every text out of the page's columns left..right.
std::vector<std::string> Faults(const Drawing& drawing, int left, int right) {
  std::vector<std::string> faults = testsupport::LayoutFaults(drawing);
  for (const testsupport::DrawnText& text : drawing.texts) {
    if (text.box.left <= left || text.box.right >= right) faults.push_back("\"" + text.text + "\" out of the page");
  }
  return faults;
}

// Four drivers of a classification: the second starts late (the stage's mark "(PS)"), the
// third abandons, the fourth has not finished; over a rally's range the second is penalised
// once and the third abandons once.
class PaintedPages : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::PrepareClassificationFolder();
    for (const char* picture : {"images/FlecheHaut.bmp", "images/FlecheBas.bmp", "images/trophee.bmp"}) {
      platform::CopyFileTo(testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture).c_str(),
                           picture);
    }
    track = stagetest::TestTrack("Spring Trophy");
    const struct {
      const char* name;
      const char* number;
      const char* team;
      const char* category;
      const char* age;
      int time, state, abandons, penalties;
    } drivers[] = {{"Anne Moreau", "7", "FRA", "Buggy", "J", 65000, 3, 0, 0},
                   {"Piet Janssens", "48", "FRA", "Buggy", "S", 71500, 5, 0, 1},
                   {"Luis Ortega", "112", "ITA", "Truck", "S", 600000, 4, 1, 0},
                   {"Marta Rossi", "21", "ITA", "Truck", "S", 0, 2, 0, 0}};
    ClearClassificationRows(rows);
    for (int i = 0; i < 4; ++i) {
      ClassificationRow& row = rows[i];
      platform::CopyBounded(row.name, drivers[i].name);
      platform::CopyBounded(row.carNumber, drivers[i].number);
      platform::CopyBounded(row.team, drivers[i].team);
      platform::CopyBounded(row.category, drivers[i].category);
      platform::CopyBounded(row.ageCode, drivers[i].age);
      row.time = drivers[i].time;
      row.gapToLeader = drivers[i].time - 65000;
      row.gapToPrevious = i ? drivers[i].time - drivers[i - 1].time : 0;
      row.state = drivers[i].state;
      row.abandonCount = drivers[i].abandons;
      row.penaltyCount = drivers[i].penalties;
    }
    platform::ZeroBytes(penalties, sizeof penalties);
    platform::ZeroBytes(notes, sizeof notes);
    const struct {
      const char* code;
      const char* name;
      int kind, seconds;
    } list[] = {{"A", "Abandon", kPenaltyGross, 600}, {"PS", "Late start", kPenaltyAdded, 10}};
    for (int p = 0; p < 2; ++p) {
      platform::CopyBounded(penalties[p].code, list[p].code);
      platform::CopyBounded(penalties[p].name, list[p].name);
      penalties[p].kind = list[p].kind;
      penalties[p].duration = list[p].seconds;
      platform::CopyBounded(notes[p].code, list[p].code);
      platform::CopyBounded(notes[p].name, list[p].name);
      notes[p].kind = list[p].kind;
      notes[p].duration = list[p].seconds;
    }
  }
  void TearDown() override { SetActiveProfile(kEnglishBuild); }

  ClassificationPageContent Content(int international, const char* title) {
    ClassificationPageContent content = {rows,  4,      penalties, 2, notes, 2, &track, title, "",
                                         international};
    return content;
  }

  storagetest::WorkingFolder folder;
  TrackDetails track = {};
  ClassificationRow rows[kMaxParticipants];
  PenaltyRecord penalties[kMaxPenalties];
  PenaltyNote notes[2];
};

// The page painted on a recorded device context, and on a canvas for a look.
Drawing PaintPage(const RECT& page, const ClassificationPageContent& content, const std::string& capture) {
  testsupport::DrawingRecorder recorder;
  PaintClassificationScreenPage(recorder.dc(), page, 0, content);
  testsupport::MemoryCanvas canvas(page.right + 20, page.bottom + 20);
  PaintClassificationScreenPage(canvas.dc(), page, 0, content);
  canvas.Save(capture.c_str());
  return recorder.Finish();
}

TEST_F(PaintedPages, TheStagePageKeepsEveryTextApartInEachLanguage) {
  for (const ProgramBuild& build : kProgramBuilds) {
    SetActiveProfile(*build.profile);
    for (int international : {1, 0}) {
      ClassificationPageContent content = Content(international, "Spring rally - SS2 ");
      content.classificationTitle = StageScreenTitle(kAllCategories, kAllCategories);
      const RECT& page = kStageClassificationPage;
      const Drawing drawing =
          PaintPage(page, content, std::string("painted_stage_page_") + build.name + (international ? "" : "_club"));
      SCOPED_TRACE(std::string(build.name) + (international ? " international" : " club"));
      for (const std::string& fault : Faults(drawing, page.left, page.right)) ADD_FAILURE() << fault;
      // What the page shows, each drawn once.
      for (Text label : {Text::ParticipantsPrintChampionship, Text::ParticipantsPrintRaceDirector,
                         Text::ClassificationHeadAge, Text::ClassificationHeadPrevious, Text::ClassificationHeadPenalty}) {
        EXPECT_NE(testsupport::FindText(drawing, Tr(label)), nullptr) << Tr(label);
      }
      EXPECT_NE(testsupport::FindText(drawing, "(PS) :"), nullptr) << "the late start's note";
      EXPECT_EQ(drawing.pictures.size(), international ? 4u : 0u) << "a flag a row of an international event";
    }
  }
}

TEST_F(PaintedPages, TheRallyPageKeepsEveryTextApartInEachLanguage) {
  const RallyPageLists lists = {1, 2, 1, 1, "(Excluded : SS3)"};
  for (const ProgramBuild& build : kProgramBuilds) {
    SetActiveProfile(*build.profile);
    for (int international : {1, 0}) {
      ClassificationPageContent content = Content(international, "Spring rally - SS1 to SS2");
      content.classificationTitle = RallyClassificationTitle(kAllCategories, kAllCategories);
      content.rally = &lists;
      const RECT& page = kRallyClassificationPage;
      const Drawing drawing =
          PaintPage(page, content, std::string("painted_rally_page_") + build.name + (international ? "" : "_club"));
      SCOPED_TRACE(std::string(build.name) + (international ? " international" : " club"));
      for (const std::string& fault : Faults(drawing, page.left, page.right)) ADD_FAILURE() << fault;
      EXPECT_NE(testsupport::FindText(drawing, RallyAbandonHeading(1, 2)), nullptr);
      EXPECT_NE(testsupport::FindText(drawing, RallyPenaltyHeading(1, 2)), nullptr);
    }
  }
}

TEST_F(PaintedPages, TheStartOrderTableKeepsEveryTextInItsColumnInEachLanguage) {
  static StartOrderDialogData data;
  participantstest::FillSampleStartOrder(&data);
  for (const ProgramBuild& build : kProgramBuilds) {
    SetActiveProfile(*build.profile);
    testsupport::DrawingRecorder recorder;
    DrawStartOrderTable(recorder.dc(), data, 0);
    const Drawing drawing = recorder.Finish();
    testsupport::MemoryCanvas canvas(780, 530);
    DrawStartOrderTable(canvas.dc(), data, 0);
    canvas.Save((std::string("painted_start_order_") + build.name).c_str());
    SCOPED_TRACE(build.name);
    for (const std::string& fault : Faults(drawing, 20, 750)) ADD_FAILURE() << fault;
    EXPECT_NE(testsupport::FindText(drawing, Tr(Text::ParticipantsPrintCarNumber)), nullptr);
    EXPECT_EQ(drawing.pictures.size(), 4u) << "the arrows of three rows";
    // The body's column lines and the header's, one more there.
    EXPECT_EQ(drawing.verticals.size(), 2u + 8u + 2u + 7u) << "the edges and the column lines";
  }
}

}  // namespace
