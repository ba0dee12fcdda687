#include "print/job_line.h"

namespace viewer::print {
namespace {

std::string Field(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

std::string FormatJobLine(const JobLine& job) {
  return std::to_string(job.jobNumber) + '\t' + Field(job.document) + '\t' +
         std::to_string(job.firstPage) + '-' + std::to_string(job.lastPage) + '\t' +
         Field(job.printer) + '\t' + std::to_string(job.copies) + '\n';
}

}  // namespace viewer::print
