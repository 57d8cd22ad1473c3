#include "downloader.h"

#include "open_and_sync.h"

namespace zav::link::download {
namespace {

constexpr std::int32_t kIdleBaud = 9600;
constexpr std::int32_t kRamOnlyProgressUnit = 128;

// Set on the worker thread, so that a stop asked for from there (through a
// message handler) does not wait for itself.
thread_local bool on_worker_thread = false;

}  // namespace

Downloader::Downloader(ProtocolState& protocol, Port& port, Transaction& transaction,
                       const Messages& messages)
    : protocol_(protocol),
      port_(port),
      transaction_(transaction),
      link_(protocol, port, transaction, messages, stop_) {}

Downloader::~Downloader() {
    request_stop();
    if (worker_.joinable()) worker_.join();
}

void Downloader::request_stop() {
    stop_.request();
    port_.routing().notify_waiters();
    transaction_.interrupt();
}

void Downloader::stop() {
    if (!running_.load()) return;
    request_stop();
    if (on_worker_thread) return;
    // A start call on this thread holds start_mutex_ only while no worker
    // runs, so this never waits for the caller itself.
    std::unique_lock lock(start_mutex_);
    finished_.wait(lock, [this] { return !running_.load(); });
}

std::int32_t Downloader::download_ram_file(const char* name, int port) {
    std::lock_guard lock(start_mutex_);
    if (running_.load()) return ZAV_DOWNLOAD_PORT_OPEN_FAIL;
    join_finished();
    link_.set_verify_mode(false);

    Job job;
    if (const std::int32_t read = ProgramImage::read_file(name ? name : "", &job.image))
        return read;
    if (const std::int32_t checked = check_ram_image(job.image, &job.layout)) return checked;
    if (const std::int32_t connected = connect(port)) return connected;

    link_.reset_address_override();
    const bool ram_only = job.layout.ram_only();
    job.kind = ram_only ? Kind::Ram : Kind::RamThenMain;
    // RAM download data starts from 0 for either transfer, so a poller never
    // reads an earlier result as this one's; the other transfer reports in
    // download data, which starts from 0 too.
    status_.ram_download_data.store(0);
    if (!ram_only) status_.download_data.store(0);
    const std::int32_t blocks =
        ram_only ? static_cast<std::int32_t>(job.layout.main_length / kRamOnlyProgressUnit)
                 : static_cast<std::int32_t>(job.layout.block_count);
    launch(std::move(job));
    return blocks;
}

std::int32_t Downloader::download_file(const char* name, int port) {
    std::lock_guard lock(start_mutex_);
    if (running_.load()) return ZAV_DOWNLOAD_PORT_OPEN_FAIL;
    join_finished();
    link_.set_verify_mode(false);

    status_.stage.store(ZAV_DOWNLOAD_STAGE_READING_FILE);
    ProgramImage image;
    std::int32_t result = ProgramImage::read_file(name ? name : "", &image);
    if (result == 0) result = start_program(std::move(image), Source::File, port);
    // A start that failed leaves no transfer to report on.
    if (result > ZAV_DOWNLOAD_DONE) status_.stage.store(ZAV_DOWNLOAD_STAGE_IDLE);
    return result;
}

std::int32_t Downloader::download_array(const std::uint8_t* image, int port) {
    std::lock_guard lock(start_mutex_);
    if (running_.load()) return ZAV_DOWNLOAD_PORT_OPEN_FAIL;
    join_finished();
    link_.set_verify_mode(false);
    if (!image) return ZAV_DOWNLOAD_READ_FILE_ERROR;
    return start_program(ProgramImage::borrow(image), Source::Array, port);
}

std::int32_t Downloader::start_program(ProgramImage image, Source source, int port) {
    Job job;
    job.image = std::move(image);
    job.port = port;
    if (const std::int32_t checked =
            check_program_image(job.image, source == Source::File, &job.layout))
        return checked;
    if (const std::int32_t connected = connect(port)) return connected;

    const bool old_format = job.layout.format == ImageFormat::OldFormat;
    job.kind = old_format ? Kind::OldFormat : Kind::Reconnecting;
    if (old_format && source == Source::File) status_.stage.store(ZAV_DOWNLOAD_STAGE_IDLE);
    status_.download_data.store(0);
    const auto blocks = static_cast<std::int32_t>(job.layout.block_count);
    launch(std::move(job));
    return blocks;
}

std::int32_t Downloader::connect(int port) {
    const std::int32_t result = open_and_sync(protocol_, port_, transaction_, port);
    if (result == ZAV_DOWNLOAD_SYNC_FAIL) link_.reset_address_override();
    return result;
}

void Downloader::join_finished() {
    if (worker_.joinable()) worker_.join();
}

void Downloader::launch(Job job) {
    stop_.reset();
    running_.store(true);
    worker_ = std::thread([this, job = std::move(job)]() mutable {
        on_worker_thread = true;
        work(std::move(job));
    });
}

void Downloader::work(Job job) {
    const TransferOutcome outcome = run(job);
    clean_up(job);
    job.image.release();
    if (outcome.settle_ms > 0) link_.pause(outcome.settle_ms);

    // The result goes out only now, with the port closed, so the caller may
    // use the port (or start another download) as soon as it sees it.
    {
        std::lock_guard lock(start_mutex_);
        (job.kind == Kind::Ram ? status_.ram_download_data : status_.download_data)
            .store(outcome.result);
        running_.store(false);
    }
    finished_.notify_all();
}

TransferOutcome Downloader::run(Job& job) {
    switch (job.kind) {
        case Kind::Ram:
            return run_ram_transfer(link_, status_, job.image, job.layout);
        case Kind::RamThenMain:
            return run_ram_then_main_transfer(link_, status_, job.image, job.layout);
        case Kind::Reconnecting:
            return run_reconnecting_transfer(link_, status_, job.image, job.layout, job.port);
        case Kind::OldFormat:
            return run_old_format_transfer(link_, status_, job.image, job.layout);
    }
    return {};
}

void Downloader::clean_up(const Job& job) {
    // Verify mode off on every path: left on, it would keep the replies of
    // later commands from the frame receiver.
    link_.set_verify_mode(false);
    if (link_.baud() != kIdleBaud) link_.set_baud(kIdleBaud, false);
    link_.close_port();
    link_.reset_address_override();
    if (job.kind == Kind::Reconnecting) {
        link_.clear_cancel();
        status_.stage.store(ZAV_DOWNLOAD_STAGE_IDLE);
        status_.option_flag.store(0);
    }
}

}  // namespace zav::link::download
