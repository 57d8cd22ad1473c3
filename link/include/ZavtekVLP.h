#ifndef ZAVTEK_VLP_H
#define ZAVTEK_VLP_H
/*
 * ZavtekVLP: the validator link protocol library. One serial port at a time,
 * VLP framing and command transactions with retries, and a packet log.
 *
 * Threading contract
 * - The library serves one calling thread at a time. Calls from a second
 *   thread are safe but wait for a running transaction to finish.
 * - While a port is open the library runs one reader thread of its own; it
 *   assembles reply frames and writes received frames to the packet log.
 *   Every export may be called while it runs. CloseComm (and unloading the
 *   library) stops and joins it before the device is released.
 * - VLPKillWaitTime may be called from any thread while Command waits; the
 *   wait ends at its next reply time-out.
 * - The message handler is called on the thread whose call failed, after
 *   the library has released its locks, so it may call the library again.
 * - A program download runs on a worker thread of the library's own that
 *   the start call (DownloadRamFile, DownloadFile, DownloadArrayData)
 *   leaves running. While it runs the caller may call the status calls
 *   (GetDownloadData, GetRamDownloadData, GetRamDownloadStatus),
 *   VLPKillWaitTime and CloseComm, and nothing else of the library; a
 *   second start call is refused with ZAV_DOWNLOAD_PORT_OPEN_FAIL. The
 *   worker ends by closing the port, and only then reports its result
 *   (ZAV_DOWNLOAD_DONE or above).
 *   CloseComm (with close mode off) and unloading the library stop the
 *   worker at once, whatever it waits for, and return once it has ended.
 *
 * Results are 16-bit where the value is a flag or a status, 32-bit for
 * rates and addresses. Null pointers are refused without touching anything.
 */
#include <stddef.h>
#include <stdint.h>

#define ZAV_VLP_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* One VLP command, reply or stored frame. In a command the first byte of
 * status is the validator address; in a result status is the link status:
 *   0 no port open, nothing sent
 *   1 a reply with a generic reply code (0xF0, 0xF2-0xFB); length and data
 *     hold the reply, generic code first (0xF0 = success)
 *   2 no reply within the retries, or the wait was cancelled
 *   other: the reply's first data byte, which is not a generic code;
 *     length and data are left as they were
 * With status 0 and 2 length and data are cleared.
 */
#pragma pack(push, 1)
typedef struct LinkPacket {
    uint16_t status;
    uint8_t length;
    uint8_t data[255];
} LinkPacket;
#pragma pack(pop)

/* Receives the library's messages (failures to open or set up the port)
 * while message mode is on. */
typedef void (*ZavVlpMessageHandler)(const char* caption, const char* text);

/* Sends a command record and waits for the reply, resending on time-out.
 * Clears a pending cancel request once the frame is sent. Returns result.
 * A record whose length is 0 or above 250 is not sent (status 2). */
ZAV_VLP_API LinkPacket* Command(LinkPacket* result, const LinkPacket* command);

/* As Command, but the command is a byte array laid out like a LinkPacket and
 * a cancel request made earlier stays in force. */
ZAV_VLP_API LinkPacket* VLPCommand(LinkPacket* result, const uint8_t* command);

/* params[0] = reply time-out in seconds, params[1] = retry count.
 * Returns 0. */
ZAV_VLP_API int16_t SetRetryParameters(const uint8_t* params);

/* Asks a waiting Command to give up at its next time-out. Returns 1. */
ZAV_VLP_API int16_t VLPKillWaitTime(void);

/* Toggles the sequence bit. Returns 1. */
ZAV_VLP_API int16_t FlipSeq(void);

/* The last command frame as sent (stuffed; at most 255 bytes) and the last
 * frame received (unstuffed); length = data length + 5. Return the pointer
 * given. */
ZAV_VLP_API LinkPacket* GetLastTxPacket(LinkPacket* packet);
ZAV_VLP_API LinkPacket* GetLastRxPacket(LinkPacket* packet);

/* An address of 0 or more replaces the address of every command; -1 turns
 * the override off. Returns 1. */
ZAV_VLP_API int16_t SetDownloadVLPAddress(int32_t address);
/* The override, or 0 while it is off. */
ZAV_VLP_API int32_t GetDownloadVLPAddress(void);

/* Opens COM<port> (1..256) at the stored baud rate, 8 data bits, no parity,
 * 2 stop bits. Returns 1 when the port is open or already was (also for 0
 * while no port is open, and for another number while one is open and close
 * mode is off), 0 on failure or for a number outside 1..256. */
ZAV_VLP_API int16_t OpenPort(int16_t port);
/* Closes the port unless close mode is on. Returns 1. */
ZAV_VLP_API int16_t CloseComm(void);
/* Store the baud rate and apply it to the open port. Return 1, or 0 when it
 * could not be applied (the port is then closed). */
ZAV_VLP_API int16_t SetBaud(int32_t baud);
ZAV_VLP_API int16_t SetFastBaud(int32_t baud);
ZAV_VLP_API int32_t GetBaud(void);
/* 0 = DTR off, 1 = on. Returns 1, or 0 for a value above 1 or a failure
 * (the port is then closed). */
ZAV_VLP_API int16_t SetDTR(int16_t on);
/* 0 = off, other = on. Returns 1. */
ZAV_VLP_API int16_t SetCloseMode(int16_t on);
/* Above 0 = messages on, else off. Returns 1. */
ZAV_VLP_API int16_t SetMessageMode(int32_t on);
/* Null restores the default: one line "<caption>: <text>" on standard
 * error. Returns 1. */
ZAV_VLP_API int16_t SetMessageHandler(ZavVlpMessageHandler handler);

/* Appends the packet log to the named file; a name starting with '0' turns
 * logging off. Returns 1, or 0 when the file cannot be opened (logging then
 * stays as it was). */
ZAV_VLP_API int16_t VLPLogFile(const char* name);

/* ---- Program download ---- */

/* Start results; below ZAV_DOWNLOAD_DONE a start result is the number of
 * blocks the worker sends. */
enum {
    ZAV_DOWNLOAD_OPEN_FILE_ERROR = 0x100001, /* file cannot be opened */
    /* file cannot be read (also an image whose header claims more than it
     * holds) */
    ZAV_DOWNLOAD_READ_FILE_ERROR = 0x100002,
    ZAV_DOWNLOAD_NOT_ZAV_IMAGE = 0x100003, /* no "ZAV" mark */
    /* port cannot be opened, or a download is still running */
    ZAV_DOWNLOAD_PORT_OPEN_FAIL = 0x100004,
    ZAV_DOWNLOAD_SYNC_FAIL = 0x100005,       /* no 0xF0 reply to SYNC */
    ZAV_DOWNLOAD_PROTECTED_IMAGE = 0x100006, /* old-format image of a type above 'c' */
};

/* Worker results; below ZAV_DOWNLOAD_DONE a worker result is progress. */
enum {
    ZAV_DOWNLOAD_DONE = 0x100000, /* finished */
    /* transfer failed (time-out, write failure, cancel, refused block) */
    ZAV_DOWNLOAD_TRANSFER_FAIL = 0x100010,
    ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL = 0x100011, /* program command or version query refused */
    ZAV_DOWNLOAD_HEADER_FAIL = 0x100012,          /* header or block refused with 0xF9 */
    ZAV_DOWNLOAD_END_COMMAND_FAIL = 0x100013,     /* end-of-download refused */
    ZAV_DOWNLOAD_RESET_FAIL = 0x100014,           /* closing RESET refused */
    ZAV_DOWNLOAD_NOT_ALLOWED = 0x100015,          /* image too old for the flash type */
    ZAV_DOWNLOAD_SPEED_CHECK_FAIL = 0x100016,     /* speed check failed */
};

/* Stages of the reconnecting transfer in RamDownloadStatus. */
enum {
    ZAV_DOWNLOAD_STAGE_IDLE = 0x100000, /* idle or ended */
    /* sending the RAM loader (total blocks, current block) */
    ZAV_DOWNLOAD_STAGE_RAM_LOADER = 0x100001,
    ZAV_DOWNLOAD_STAGE_STARTED = 0x100002,
    ZAV_DOWNLOAD_STAGE_RECONNECTING = 0x100003,
    ZAV_DOWNLOAD_STAGE_HEADER = 0x100004,       /* sending the header */
    ZAV_DOWNLOAD_STAGE_MAIN_CODE = 0x100005,    /* sending the main code */
    ZAV_DOWNLOAD_STAGE_READING_FILE = 0x100006, /* DownloadFile reading its file */
};

/* Progress of the reconnecting transfer; stage is one of the stages above. */
#pragma pack(push, 1)
typedef struct RamDownloadStatus {
    int32_t total;
    int32_t current;
    int32_t stage;
} RamDownloadStatus;
#pragma pack(pop)

/* Loads the image file through COM<port>: a RAM-only image (type 'b') as
 * the RAM transfer (follow it with GetRamDownloadData), any other as the
 * RAM loader and the main code (GetDownloadData). Returns a start result;
 * for 'b' success is the main length / 128, else the 4096-byte block
 * count. */
ZAV_VLP_API int32_t DownloadRamFile(const char* file_name, int16_t port);
/* Loads the image file through COM<port>, reconnecting after the RAM
 * loader (or as 128-byte commands for the old format). Returns a start
 * result; success is the block count. Follow it with GetDownloadData and
 * GetRamDownloadStatus. */
ZAV_VLP_API int32_t DownloadFile(const char* file_name, int16_t port);
/* As DownloadFile, for an image in memory, which must hold everything its
 * header describes and stay valid until the result is ZAV_DOWNLOAD_DONE or
 * above. It is never written or freed. */
ZAV_VLP_API int32_t DownloadArrayData(const uint8_t* image, int16_t port);
/* Progress or result of the main-code and old-format transfers. */
ZAV_VLP_API int32_t GetDownloadData(void);
/* Progress or result of the RAM transfer. */
ZAV_VLP_API int32_t GetRamDownloadData(void);
/* Fills the record. Returns 1 (0 for a null pointer). */
ZAV_VLP_API int16_t GetRamDownloadStatus(RamDownloadStatus* status);
/* 1 = the old-format transfer switches to 28800 baud first (default), other
 * values keep 9600. Returns 1. */
ZAV_VLP_API int16_t SetDownSpeedFlag(int32_t flag);
/* Bit 0 goes into header byte 112 of the next reconnecting transfer, which
 * resets the flag to 0 when it ends. Returns 1. */
ZAV_VLP_API int16_t SetDownloadOptionFlag(uint8_t flag);

/* ---- Other link services ---- */

/* Reads count bytes of the validator's memory from address through
 * COM<port> (low 16 bits used) into dest, which must hold count + 1 bytes
 * (never more are written). Returns 1 when all arrived within 2 s, 0 on
 * time-out (or a null dest), ZAV_DOWNLOAD_PORT_OPEN_FAIL when the port
 * cannot be opened, ZAV_DOWNLOAD_SYNC_FAIL when SYNC is not answered with
 * 0xF0. The port is closed
 * afterwards. */
ZAV_VLP_API int32_t GetBulkData(int32_t port, uint32_t address, uint32_t count, uint8_t* dest);
/* Decodes an Interleaved 2 of 5 barcode from count (low 8 bits used) bytes
 * of element widths, the first byte not a sample. text receives the digits
 * (up to 50), *char_count their number, elements one byte per element
 * after spike filtering (up to 254; 1 wide, 0 narrow). Returns 0x100
 * decoded, 0x101 no start pattern (also for fewer than 2 bytes), 0x102 no
 * stop pattern, 0x103 a character failed its check. */
ZAV_VLP_API int32_t ProcessBarCodeData(const uint8_t* samples, int32_t count, char* text,
                                       uint8_t* char_count, uint8_t* elements);
/* Writes count (low 8 bits used) bytes raw. Returns 1, or 0 when no port
 * is open or the write failed. */
ZAV_VLP_API int16_t SendString(const uint8_t* bytes, int32_t count);
/* 0 = verify mode off, other = on (emptying the verify buffer). In verify
 * mode received bytes go to the verify buffer instead of the frame
 * receiver. Returns 1. */
ZAV_VLP_API int16_t SetVerifyMode(int16_t on);
/* Copies the verify buffer to buffer (127 bytes at most) and its count to
 * *count, then looks for the first length bytes of pattern in it (bytes of
 * 0x80 and above never match). Returns 1 when found; 0 when not, when
 * verify mode is off or fewer bytes than the pattern arrived. A carriage
 * return received empties the buffer; each call lets the next byte in. */
ZAV_VLP_API int16_t CheckVerify(const char* pattern, int16_t length, uint8_t* buffer,
                                int16_t* count);
/* Writes the library's version, 3.19. Returns 1. */
ZAV_VLP_API int16_t GetVLPDLLVersion(uint8_t* major, uint8_t* minor);

#ifdef __cplusplus
}  // extern "C"
static_assert(sizeof(RamDownloadStatus) == 12, "RamDownloadStatus is 12 bytes");
static_assert(sizeof(LinkPacket) == 258, "LinkPacket is 258 bytes");
static_assert(offsetof(LinkPacket, status) == 0, "status at 0");
static_assert(offsetof(LinkPacket, length) == 2, "length at 2");
static_assert(offsetof(LinkPacket, data) == 3, "data at 3");
#else
_Static_assert(sizeof(LinkPacket) == 258, "LinkPacket is 258 bytes");
_Static_assert(offsetof(LinkPacket, length) == 2, "length at 2");
_Static_assert(offsetof(LinkPacket, data) == 3, "data at 3");
#endif

#endif /* ZAVTEK_VLP_H */
