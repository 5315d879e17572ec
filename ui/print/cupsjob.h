// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A print job handed to CUPS through libcups, on a connection of its own
// whose every request gives up as soon as its owner says so: a server that
// does not answer cannot hold the caller for longer than it allows. Used
// from the print worker's thread only; never from the window's.

#include <functional>
#include <string>

typedef struct _http_s http_t;
typedef struct cups_dest_s cups_dest_t;
typedef struct _cups_dinfo_s cups_dinfo_t;

namespace numerina::print {

// The default printer's A4 page: the printable area's distance from each
// edge, and the resolution the printer prints at (0: not said).
struct PrinterPage {
  double leftMm = 0, topMm = 0, rightMm = 0, bottomMm = 0;
  int dpi = 0;
};

class CupsConnection {
 public:
  // Asked while waiting for the server: true gives the request up.
  using GiveUp = std::function<bool()>;

  // Connects to the user's print server (CUPS_SERVER, client.conf...).
  explicit CupsConnection(GiveUp giveUp);
  ~CupsConnection();
  CupsConnection(const CupsConnection&) = delete;
  CupsConnection& operator=(const CupsConnection&) = delete;

  // The user's default printer; false when there is none or the server
  // does not answer.
  bool FindDefaultPrinter();
  // The default printer's A4 page as the printer states it; a printer that
  // states no printable area (a raw queue) prints on the whole page.
  PrinterPage Page();
  // Creates a job on the default printer and sends the PDF file as its one
  // document. The job's id when CUPS accepted the job and its whole
  // document, else 0; createdJob is the id of any job made on the way.
  int Submit(const std::string& pdfPath, const std::string& title, int& createdJob);
  // The default printer's name, once found.
  std::string PrinterName() const;
  // Cancels a job of printer; false when CUPS did not confirm.
  bool Cancel(const std::string& printer, int job);

 private:
  static int KeepWaiting(http_t*, void* self);
  int Send(const std::string& pdfPath, int job);

  GiveUp giveUp_;
  http_t* http_ = nullptr;
  cups_dest_t* dest_ = nullptr;
  cups_dinfo_t* info_ = nullptr;
};

}  // namespace numerina::print
