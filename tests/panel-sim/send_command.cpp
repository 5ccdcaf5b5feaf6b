// Sends one command to a panel through the serial component and prints the reply's bytes.
#include "comm/XComDrv.h"
#include "link/PanelPort.h"

#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: send_command DEVICE COMMAND\n";
        return 2;
    }
    try {
        orvanta::TXComm comm;
        orvanta::ApplyPanelPortDefaults(comm);
        comm.SetDeviceName(argv[1]);
        comm.OpenDevice();
        comm.WriteString(std::string(argv[2]) + "\r");
        char buffer[1000];
        std::cout << std::string(buffer, comm.ReadData(buffer, sizeof buffer, 300));
    } catch (const orvanta::EDeviceError &error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
