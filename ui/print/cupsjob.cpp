// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/cupsjob.h"

#include <cups/cups.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace numerina::print {
namespace {

// How often a waiting request asks whether to give up.
constexpr double kPollSeconds = 0.1;
// The connection itself: a server that accepts nothing at all.
constexpr int kConnectMs = 10000;

bool Succeeded(ipp_status_t status) { return status <= IPP_STATUS_OK_EVENTS_COMPLETE; }

}  // namespace

int CupsConnection::KeepWaiting(http_t*, void* self) {
  return static_cast<CupsConnection*>(self)->giveUp_() ? 0 : 1;
}

CupsConnection::CupsConnection(GiveUp giveUp) : giveUp_(std::move(giveUp)) {
  if (giveUp_()) return;
  int cancel = 0;
  http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectMs,
                       &cancel);
  if (http_) httpSetTimeout(http_, kPollSeconds, &CupsConnection::KeepWaiting, this);
}

CupsConnection::~CupsConnection() {
  if (info_) cupsFreeDestInfo(info_);
  if (dest_) cupsFreeDests(1, dest_);
  if (http_) httpClose(http_);
}

bool CupsConnection::FindDefaultPrinter() {
  if (!http_ || giveUp_()) return false;
  dest_ = cupsGetNamedDest(http_, nullptr, nullptr);
  if (!dest_ || giveUp_()) return false;
  info_ = cupsCopyDestInfo(http_, dest_);
  return info_ && !giveUp_();
}

PrinterPage CupsConnection::Page() {
  PrinterPage page;
  if (!info_) return page;
  cups_size_t size;
  if (cupsGetDestMediaByName(http_, dest_, info_, CUPS_MEDIA_A4, CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
    // Hundredths of a millimetre.
    page.leftMm = size.left / 100.0;
    page.topMm = size.top / 100.0;
    page.rightMm = size.right / 100.0;
    page.bottomMm = size.bottom / 100.0;
  }
  if (ipp_attribute_t* res = cupsFindDestDefault(http_, dest_, info_, "printer-resolution")) {
    int y = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int x = ippGetResolution(res, 0, &y, &units);
    page.dpi = units == IPP_RES_PER_CM ? static_cast<int>(x * 2.54 + 0.5) : x;
  }
  return page;
}

int CupsConnection::Submit(const std::string& pdfPath, const std::string& title, int& createdJob) {
  createdJob = 0;
  if (!info_ || giveUp_()) return 0;
  cups_option_t* options = nullptr;
  int count = cupsAddOption(CUPS_MEDIA, CUPS_MEDIA_A4, 0, &options);
  count = cupsAddOption(CUPS_COPIES, "1", count, &options);
  int job = 0;
  const ipp_status_t created =
      cupsCreateDestJob(http_, dest_, info_, &job, title.c_str(), count, options);
  cupsFreeOptions(count, options);
  // A queue that refuses jobs answers server-error-not-accepting-jobs here.
  if (!Succeeded(created) || job <= 0) return 0;
  createdJob = job;
  return Send(pdfPath, job);
}

int CupsConnection::Send(const std::string& pdfPath, int job) {
  const int fd = ::open(pdfPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  bool ok = cupsStartDestDocument(http_, dest_, info_, job, pdfPath.c_str(), CUPS_FORMAT_PDF, 0,
                                  nullptr, 1) == HTTP_STATUS_CONTINUE;
  char buf[65536];
  while (ok) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = !giveUp_() &&
         cupsWriteRequestData(http_, buf, static_cast<size_t>(n)) == HTTP_STATUS_CONTINUE;
  }
  ::close(fd);
  // Finishing also reads the server's answer to the whole document; after a
  // failed write the request is ended all the same, and the job cancelled
  // by the caller.
  const ipp_status_t finished = cupsFinishDestDocument(http_, dest_, info_);
  if (!ok || !Succeeded(finished) || !Succeeded(cupsLastError()) || giveUp_()) return 0;
  return job;
}

std::string CupsConnection::PrinterName() const { return dest_ ? dest_->name : std::string(); }

bool CupsConnection::Cancel(const std::string& printer, int job) {
  if (!http_ || printer.empty() || job <= 0 || giveUp_()) return false;
  return cupsCancelJob2(http_, printer.c_str(), job, 0) == IPP_STATUS_OK;
}

}  // namespace numerina::print
