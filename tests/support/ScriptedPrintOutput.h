#pragma once
// A print device for tests: records what the printing code asks of it in `events` ("device:X",
// "collate:1", "copies:2", "page:3:Now Printing Page 3", "finish", "document", "enddoc") and
// the page size of the document it printed, and answers each step with the error code the test
// sets for it.

#include <map>
#include <string>
#include <vector>

#include "core/reports/ReportPrinting.h"

namespace quorvia::testing {

class ScriptedPrintOutput : public ReportPrintOutput {
  public:
    void SetDevice(const std::string& device, const std::string& port) override {
        device_ = device;
        events.push_back("device:" + device + "," + port);
    }
    std::string DeviceName() const override { return device_; }
    int SetCollate(bool collate) override {
        events.push_back(std::string("collate:") + (collate ? "1" : "0"));
        return collate ? collateError : 0;
    }
    int SetCopies(int copies) override {
        events.push_back("copies:" + std::to_string(copies));
        return copies > 1 ? copiesError : 0;
    }
    int PrintPage(const ReportDocument& document, int number, const std::string& caption) override {
        events.push_back("page:" + std::to_string(number) + ":" + caption);
        previewPages.push_back(document.PreviewPage());
        auto error = pageErrors.find(number);
        return error == pageErrors.end() ? 0 : error->second;
    }
    int FinishJob() override {
        events.push_back("finish");
        return finishError;
    }
    int PrintDocument(const ReportDocument& document) override {
        events.push_back("document");
        documentPages = document.PageCount();
        documentPageSize = {document.PageWidth(), document.PageHeight()};
        return documentError;
    }
    void EndDoc() override { events.push_back("enddoc"); }

    int collateError = 0;
    int copiesError = 0;
    std::map<int, int> pageErrors;  // page number -> error code
    int finishError = 0;
    int documentError = 0;

    std::vector<std::string> events;
    std::vector<int> previewPages;  // the preview page while each page printed
    int documentPages = 0;
    PageSize documentPageSize{0, 0};

  private:
    std::string device_;
};

}  // namespace quorvia::testing
