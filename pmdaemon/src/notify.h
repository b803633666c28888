// Tells the reader of the FIFO that the service has been suspended.
#pragma once

// How long notify_complete waits for a reader to open the FIFO before it gives up
// (milliseconds).
extern int g_fifo_reader_wait_ms;

// Writes "dumb" into the FIFO once a reader has it open. A missing FIFO is left alone.
void notify_complete();
