#pragma once
// The program download's start calls and its worker thread. A start call
// checks the image, opens the port and synchronises on the caller's
// thread, then leaves the transfer to a worker and returns the number of
// blocks to expect. The worker reports through DownloadStatus and ends by
// cleaning up: verify mode off, 9600 baud, port closed, address override
// off. Only one worker runs at a time.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "download_status.h"
#include "port_transfer_link.h"
#include "program_image.h"
#include "transfers.h"

namespace zav::link::download {

class Downloader {
  public:
    Downloader(ProtocolState& protocol, Port& port, Transaction& transaction,
               const Messages& messages);
    // Stops a running worker (its waits end at once) and joins it; the
    // worker closes the port on its way out.
    ~Downloader();
    Downloader(const Downloader&) = delete;
    Downloader& operator=(const Downloader&) = delete;

    // DownloadRamFile: a RAM-only image ('b') gives the main length / 128,
    // any other the main code's 4096-byte block count; or a start result
    // above ZAV_DOWNLOAD_DONE (ZAV_DOWNLOAD_PORT_OPEN_FAIL also while a worker still runs).
    std::int32_t download_ram_file(const char* name, int port);
    // DownloadFile and DownloadArrayData: the block count, or a start result
    // above ZAV_DOWNLOAD_DONE (ZAV_DOWNLOAD_PORT_OPEN_FAIL also while a worker still runs).
    std::int32_t download_file(const char* name, int port);
    std::int32_t download_array(const std::uint8_t* image, int port);

    // CloseComm during a transfer: stops a running worker and waits until
    // it has ended (it closes the port and reports ZAV_DOWNLOAD_TRANSFER_FAIL
    // or its result).
    // On the worker's own thread (a message handler that calls CloseComm)
    // it only asks. Nothing happens while no worker runs.
    void stop();

    const DownloadStatus& status() const { return status_; }
    DownloadStatus& status() { return status_; }

  private:
    enum class Kind { Ram, RamThenMain, Reconnecting, OldFormat };
    enum class Source { File, Array };
    struct Job {
        Kind kind = Kind::Ram;
        ProgramImage image;
        ImageLayout layout;
        int port = 0;
    };

    std::int32_t start_program(ProgramImage image, Source source, int port);
    // Opens the port and sends SYNC; on a refused SYNC the port is closed.
    std::int32_t connect(int port);
    // Joins a worker that has finished. Caller holds start_mutex_.
    void join_finished();
    void launch(Job job);
    void work(Job job);
    TransferOutcome run(Job& job);
    void clean_up(const Job& job);
    // Ends every wait of the worker at once: its pauses, echo and drain
    // waits and the reply wait of a command it sends.
    void request_stop();

    ProtocolState& protocol_;
    Port& port_;
    Transaction& transaction_;
    DownloadStatus status_;
    StopSignal stop_;
    PortTransferLink link_;

    // Held by a start call throughout, and by the worker while it reports
    // its result and marks itself finished, so a caller that has seen the
    // result can start the next download at once.
    std::mutex start_mutex_;
    std::condition_variable finished_;  // with start_mutex_: running_ became false
    std::atomic<bool> running_{false};
    std::thread worker_;
};

}  // namespace zav::link::download
