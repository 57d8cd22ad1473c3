#pragma once
// zav_serial: plain serial I/O on COM ports by number, and short addressed
// packets with an 8-bit additive checksum (ccTalk packets and a second family
// of the same frame layout).
//
// Threading: the library starts no thread and takes no lock. Its state (the
// port table, the active port, the retry and flood settings) is process-wide;
// every call runs to completion on the caller's thread, and calls must come
// from one thread at a time.
#include <assert.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZAV_SERIAL_API __attribute__((visibility("default")))

// Result codes (16-bit) of the calls.
enum ZavSerialResult {
    ZAV_SERIAL_OK = 0,
    ZAV_SERIAL_TIMEOUT = 2,              // a read ran out of time
    ZAV_SERIAL_BAD_CHECKSUM = 3,         // ccTalk reply checksum wrong
    ZAV_SERIAL_CANNOT_OPEN = 4,          // no such device, busy, or a bad port number
    ZAV_SERIAL_BAD_LINE_SETTINGS = 5,    // the line-settings text was refused
    ZAV_SERIAL_SETTINGS_REFUSED = 6,     // the driver refused the line settings
    ZAV_SERIAL_TIMEOUTS_REFUSED = 7,     // never returned here: reads never block
    ZAV_SERIAL_QUEUE_SIZES_REFUSED = 8,  // never returned here: the queues are fixed
    ZAV_SERIAL_NOTHING_WRITTEN = 9,      // a byte could not be written in time
    ZAV_SERIAL_WRITE_FAILED = 10,        // a write failed, or the packet or count was refused
    ZAV_SERIAL_NOT_OPEN = 11,            // packet call with no port open
};

// Reply kinds left in CCTPacket.reply_kind.
enum ZavCctReplyKind {
    ZAV_CCT_REPLY_ACK = 0,      // no data, header 0
    ZAV_CCT_REPLY_NAK = 1,      // no data, header 5
    ZAV_CCT_REPLY_DATA = 2,     // data, or another header
    ZAV_CCT_REPLY_SENDING = 3,  // no reply taken yet; second family: no data sent
    ZAV_CCT_REPLY_BUSY = 4,     // no data, header 6
};

// One packet exchange. The caller fills header, source, destination,
// data_length and tx_data; the library fills the rest.
#pragma pack(push, 1)
typedef struct CCTPacket {
    uint8_t tx_frame[256];  // frame as sent
    uint8_t header;
    uint8_t source;
    uint8_t destination;
    uint8_t data_length;    // n, at most 251
    uint8_t frame_length;   // n + 5 (0 when n is 251: the frame is 256 bytes)
    uint8_t rx_frame[256];  // last frame received
    uint8_t rx_data_length;
    uint8_t tx_data[256];
    uint8_t rx_data[256];
    uint8_t reply_kind;  // ZavCctReplyKind
} CCTPacket;
#pragma pack(pop)

static_assert(sizeof(CCTPacket) == 1031, "CCTPacket is 1031 bytes");
static_assert(offsetof(CCTPacket, tx_frame) == 0, "CCTPacket layout");
static_assert(offsetof(CCTPacket, header) == 256, "CCTPacket layout");
static_assert(offsetof(CCTPacket, source) == 257, "CCTPacket layout");
static_assert(offsetof(CCTPacket, destination) == 258, "CCTPacket layout");
static_assert(offsetof(CCTPacket, data_length) == 259, "CCTPacket layout");
static_assert(offsetof(CCTPacket, frame_length) == 260, "CCTPacket layout");
static_assert(offsetof(CCTPacket, rx_frame) == 261, "CCTPacket layout");
static_assert(offsetof(CCTPacket, rx_data_length) == 517, "CCTPacket layout");
static_assert(offsetof(CCTPacket, tx_data) == 518, "CCTPacket layout");
static_assert(offsetof(CCTPacket, rx_data) == 774, "CCTPacket layout");
static_assert(offsetof(CCTPacket, reply_kind) == 1030, "CCTPacket layout");

// Opens COM<port> at baud with no parity, 8 data bits, 1 stop bit (hardware
// flow control as the driver has it) and makes it the active port. Returns 0
// (also when the port is already open, which changes nothing), 4 when the
// device cannot be opened or port is not 1..127, 5 for a baud rate the line
// cannot take, 6 when the driver refuses the settings. After 5 or 6 the
// device stays open and active; ClosePort releases it.
ZAV_SERIAL_API int16_t OpenPort(int8_t port, int32_t baud);

// Like OpenPort with a parity code (1 even, 2 mark, 3 none, 4 odd, 5 space)
// and a stop code (1 one stop bit, 3 two); other codes return 5 and open
// nothing. For a port already open it returns 0 but leaves no active port
// number, so packet calls return 11 until a port is opened afresh.
ZAV_SERIAL_API int16_t OpenPortAdvanced(int8_t port, int32_t baud, int32_t parity_code,
                                        int32_t stop_code);

// Releases the active port, if any. Always returns 0.
ZAV_SERIAL_API int16_t ClosePort(void);

// Makes the port opened as number port the active one; a port not open (or a
// number outside 0..255) leaves no active port. Returns 0.
ZAV_SERIAL_API int16_t SetActivePort(int32_t port);

// Writes count bytes to the active port one at a time. Returns 0, 9 when a
// byte could not be written within a second, 10 when a write failed or no
// port is active.
ZAV_SERIAL_API int16_t send_serial_data(const uint8_t* data, int32_t count);

// Reads *count bytes from the active port into buffer. Returns 0 once all
// have arrived, 2 when 10 seconds have passed first (how many arrived is not
// reported). Blocks without using the processor while it waits. A null
// count, or a null buffer for a positive count, returns 2 at once; a
// negative count is refused with 10.
ZAV_SERIAL_API int16_t read_serial_data(uint8_t* buffer, const int32_t* count);

// Bytes waiting in the active port's input queue. Stores 0 (no line errors
// are reported) in *error_word; on failure stores the system error code and
// returns 0. error_word may be null.
ZAV_SERIAL_API int32_t get_length_of_queue(int32_t* error_word);

// Sends one ccTalk packet and takes its echo and reply (300 ms each), with
// the retries and flood gap set below. Returns 0, 2 (no echo or reply, or a
// reply longer than a frame, which leaves rx_data_length 0), 3 (reply
// checksum wrong), 9 or 10 (write
// failed; 10 also for a null packet or data_length above 251, nothing
// written), 11 (no port).
ZAV_SERIAL_API int16_t SendCCTPacket(CCTPacket* packet);

// One exchange of the second packet family: no retries, no checksum check;
// the whole receive area is copied to rx_data. Results as SendCCTPacket.
ZAV_SERIAL_API int16_t SendMDCESPacket(CCTPacket* packet);

// Sets the ccTalk retries (attempts = count + 1) and the pause before each
// retry. Negative values count as 0. Returns 0.
ZAV_SERIAL_API int16_t SetCCTRetry(int32_t count, int32_t delay_ms);

// Sets the least time between the end of one packet call and the start of
// the next. Negative values count as 0. Returns 0.
ZAV_SERIAL_API int16_t SetCCTFloodProtect(int32_t gap_ms);

// The library's interface version: 3.
ZAV_SERIAL_API int16_t GetVersion_ZAVSerial(void);

#ifdef __cplusplus
}
#endif
