// The exported calls of the program download.
#include "ZavtekVLP.h"
#include "library.h"

using zav::link::Library;

namespace {

zav::link::download::Downloader& downloads() {
    return Library::instance().downloads;
}

}  // namespace

extern "C" {

int32_t DownloadRamFile(const char* file_name, int16_t port) {
    return downloads().download_ram_file(file_name, port);
}

int32_t DownloadFile(const char* file_name, int16_t port) {
    return downloads().download_file(file_name, port);
}

int32_t DownloadArrayData(const uint8_t* image, int16_t port) {
    return downloads().download_array(image, port);
}

int32_t GetDownloadData(void) {
    return downloads().status().download_data.load();
}

int32_t GetRamDownloadData(void) {
    return downloads().status().ram_download_data.load();
}

int16_t GetRamDownloadStatus(RamDownloadStatus* status) {
    if (!status) return 0;
    const auto& s = downloads().status();
    status->total = s.total.load();
    status->current = s.current.load();
    status->stage = s.stage.load();
    return 1;
}

int16_t SetDownSpeedFlag(int32_t flag) {
    downloads().status().speed_flag.store(flag);
    return 1;
}

int16_t SetDownloadOptionFlag(uint8_t flag) {
    downloads().status().option_flag.store(flag);
    return 1;
}

}  // extern "C"
