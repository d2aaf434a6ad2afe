// A company folder for one test of the payroll tool, beside the suite's program, config and temp
// folders: today is 10 December 2026 (Buddhist year 2569) on a fake clock, drive C is a folder of
// the test (so the default ledger folder "C:\QZACC32\DATAFILE" lies inside it), every message is
// recorded, and whatever the test started is closed and stopped afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/payroll_start.h"
#include "platform/core/date_time.h"
#include "platform/os/clock.h"
#include "platform/os/drive_map.h"
#include "suite/data_file.h"
#include "suite/isam/isam_engine.h"
#include "suite/lock_retry.h"
#include "suite/program_end.h"
#include "tests/support/suite/recording_user_interface.h"
#include "tests/support/suite/suite_folder_fixture.h"

class PayrollFixture : public SuiteFolderFixture {
 protected:
  void SetUp() override {
    SuiteFolderFixture::SetUp();
    company_ = root_ / "company";
    driveC_ = root_ / "drive_c";
    std::filesystem::create_directory(company_);
    std::filesystem::create_directory(driveC_);
    SetDriveMapping('C', driveC_.string());
    LockRetryTimeLimitMs = 2000;
  }
  void TearDown() override {
    ClosePayrollCompany();
    IsamExit();
    SaveModeSwitch = true;
    FlushAfterChange = true;
    LockRetryTimeLimitMs = kDefaultLockRetryTimeLimitMs;
    ResetPathMappings();
    SuiteFolderFixture::TearDown();
  }

  // One run of the tool: start in the company folder and, when that worked, close again.
  bool Run() {
    const bool started = StartPayrollCompany(company_.string());
    ClosePayrollCompany();
    return started;
  }
  std::string Company(const std::string& file) const { return ReadBytes(company_ / file); }
  std::uintmax_t Size(const std::string& file) const { return std::filesystem::file_size(company_ / file); }
  // The messages, questions and fatal-stop steps of the run, without the progress texts.
  std::vector<RecordingUserInterface::Entry> Shown() const {
    std::vector<RecordingUserInterface::Entry> shown;
    for (const auto& e : ui_.transcript)
      if (e.call != "progress") shown.push_back(e);
    return shown;
  }

  FakeClock clock_{EncodeDate(2026, 12, 10) + EncodeTime(10, 0, 0, 0)};
  ScopedClock installed_{clock_};
  RecordingUserInterface ui_;
  std::filesystem::path company_, driveC_;
};
