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
 * - The message handler is called on the thread whose call failed.
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
 *   other: the reply's first data byte, which is not a generic code
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

#ifdef __cplusplus
}  // extern "C"
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
