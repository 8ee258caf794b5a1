#include "snmp/SocketInit.h"

#include <sys/socket.h>
#include <unistd.h>

bool AfxSocketInit() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}
