#include "platform/shims/worksheet_server.h"

#include <vector>

#include "platform/core/format.h"
#include "platform/shims/automation_member.h"
#include "platform/shims/workbook_file.h"

namespace {

// A workbook's cells while it is open.
class TWorkbookState {
 public:
  explicit TWorkbookState(TWorksheetCells cells) : cells_(std::move(cells)) {}
  const TWorksheetCells& Cells() const {
    if (closed_) RaiseDisconnected();
    return cells_;
  }
  void Close() {
    closed_ = true;
    cells_ = TWorksheetCells();
  }

 private:
  TWorksheetCells cells_;
  bool closed_ = false;
};

using TWorkbookRef = std::shared_ptr<TWorkbookState>;

struct TServerState {
  bool quit = false;
  std::vector<std::weak_ptr<TWorkbookState>> workbooks;

  void CheckRunning() const {
    if (quit) RaiseDisconnected();
  }
};

using TServerRef = std::shared_ptr<TServerState>;

constexpr std::string_view kOpenParams[] = {"Filename"};
constexpr std::string_view kCloseParams[] = {"SaveChanges"};
constexpr std::string_view kRangeParams[] = {"Cell1"};

Variant Object(std::shared_ptr<IDispatch> object) { return Variant(std::move(object)); }

class TRange final : public IDispatch {
 public:
  TRange(TWorkbookRef workbook, TCellRect rect) : workbook_(std::move(workbook)), rect_(rect) {}

  Variant Invoke(std::string_view name, WORD flags, std::span<const Variant> args,
                 std::span<const TNamedArg> named) override {
    static constexpr TMemberSpec kMembers[] = {{"Address", DISPATCH_PROPERTYGET, {}, 0},
                                               {"Value", DISPATCH_PROPERTYGET, {}, 0}};
    const TWorksheetCells& cells = workbook_->Cells();
    const TBoundCall call = BindCall(kMembers, name, flags, args, named);
    if (call.member == 0) return Variant(AbsoluteAddress(rect_));
    if (!WithinValueLimit(rect_))
      throw EOleException(Format("The range %s holds more than %d cells", {AbsoluteAddress(rect_), Int64(kMaxRangeCells)}));
    return cells.Values(rect_);
  }

 private:
  TWorkbookRef workbook_;
  TCellRect rect_;
};

class TWorksheet final : public IDispatch {
 public:
  explicit TWorksheet(TWorkbookRef workbook) : workbook_(std::move(workbook)) {}

  Variant Invoke(std::string_view name, WORD flags, std::span<const Variant> args,
                 std::span<const TNamedArg> named) override {
    static constexpr TMemberSpec kMembers[] = {{"UsedRange", DISPATCH_PROPERTYGET, {}, 0},
                                               {"Range", DISPATCH_PROPERTYGET, kRangeParams, 1}};
    const TWorksheetCells& cells = workbook_->Cells();
    const TBoundCall call = BindCall(kMembers, name, flags, args, named);
    if (call.member == 0) return Object(std::make_shared<TRange>(workbook_, cells.UsedRange()));
    const std::string address = TextArgument(call.args[0]);
    TCellRect rect;
    if (!ParseRangeAddress(address, rect)) throw EOleException(Format("\"%s\" is not a range address", {address}));
    return Object(std::make_shared<TRange>(workbook_, rect));
  }

 private:
  TWorkbookRef workbook_;
};

class TWorkbook final : public IDispatch {
 public:
  explicit TWorkbook(TWorkbookRef workbook) : workbook_(std::move(workbook)) {}

  Variant Invoke(std::string_view name, WORD flags, std::span<const Variant> args,
                 std::span<const TNamedArg> named) override {
    static constexpr TMemberSpec kMembers[] = {{"ActiveSheet", DISPATCH_PROPERTYGET, {}, 0},
                                               {"Close", DISPATCH_METHOD, kCloseParams, 0}};
    workbook_->Cells();   // a closed workbook answers nothing
    const TBoundCall call = BindCall(kMembers, name, flags, args, named);
    if (call.member == 0) return Object(std::make_shared<TWorksheet>(workbook_));
    if (!call.args[0].IsEmpty()) BooleanArgument(call.args[0]);
    workbook_->Close();
    return Variant();
  }

 private:
  TWorkbookRef workbook_;
};

class TWorkbooks final : public IDispatch {
 public:
  explicit TWorkbooks(TServerRef server) : server_(std::move(server)) {}

  Variant Invoke(std::string_view name, WORD flags, std::span<const Variant> args,
                 std::span<const TNamedArg> named) override {
    static constexpr TMemberSpec kMembers[] = {{"Open", DISPATCH_METHOD, kOpenParams, 1}};
    server_->CheckRunning();
    const TBoundCall call = BindCall(kMembers, name, flags, args, named);
    const std::string fileName = TextArgument(call.args[0]);
    TWorkbookRef workbook;
    try {
      workbook = std::make_shared<TWorkbookState>(ReadWorkbookFile(fileName));
    } catch (const EWorkbookFileError& e) {
      throw EOleException(Format("Cannot open the workbook \"%s\": %s", {fileName, e.Message()}));
    }
    std::erase_if(server_->workbooks, [](const auto& w) { return w.expired(); });
    server_->workbooks.push_back(workbook);
    return Object(std::make_shared<TWorkbook>(workbook));
  }

 private:
  TServerRef server_;
};

class TApplication final : public IDispatch {
 public:
  Variant Invoke(std::string_view name, WORD flags, std::span<const Variant> args,
                 std::span<const TNamedArg> named) override {
    static constexpr TMemberSpec kMembers[] = {{"Workbooks", DISPATCH_PROPERTYGET, {}, 0},
                                               {"Quit", DISPATCH_METHOD, {}, 0}};
    server_->CheckRunning();
    const TBoundCall call = BindCall(kMembers, name, flags, args, named);
    if (call.member == 0) return Object(workbooks_);
    for (const auto& w : server_->workbooks)
      if (const TWorkbookRef workbook = w.lock()) workbook->Close();
    server_->quit = true;
    return Variant();
  }

 private:
  TServerRef server_ = std::make_shared<TServerState>();
  std::shared_ptr<IDispatch> workbooks_ = std::make_shared<TWorkbooks>(server_);
};

}  // namespace

std::shared_ptr<IDispatch> CreateWorksheetApplication() { return std::make_shared<TApplication>(); }
