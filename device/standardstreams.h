#pragma once

// Makes sure file descriptors 0, 1 and 2 are open before the program opens
// anything. A program started with one of them closed would hand that number
// to the next file it opens, a board's device node among them, and the text
// meant for the terminal would then go to the board as output reports. A
// closed one is taken by /dev/null opened for reading only, so writing to it
// still fails and a command that was to print data can say so. Call first in
// main(), before any thread or file exists. Does nothing where descriptors
// are not handed out this way.
void keepStandardStreamsOpen();
