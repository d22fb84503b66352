# The Win32 side of the commands: clipboard, hot key relay (filled in as the code lands).
