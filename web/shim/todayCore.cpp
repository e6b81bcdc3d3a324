#include "todayCore.h"

#include "console.h"
#include "startup.h"

namespace {

class LinesThroughPort : public ::LineSource {
public:
    explicit LinesThroughPort(web::LineSource& port) : port(port) {}
    bool readLine(const char* prompt, std::string& line) override
    {
        return port.readLine(prompt, line);
    }
    bool readPlainLine(std::string& line) override { return port.readPlainLine(line, {}); }

private:
    web::LineSource& port;
};

class OutputThroughPort : public ::OutputSink {
public:
    explicit OutputThroughPort(web::OutputSink& port) : port(port) {}
    void write(const char* data, std::size_t size) override { port.write(data, size); }
    void writeError(const char* data, std::size_t size) override { port.writeError(data, size); }
    void flush() override { port.flush(); }

private:
    web::OutputSink& port;
};

} // namespace

int playThroughPorts(WebPorts ports, int argc, char** argv)
{
    static LinesThroughPort lines(ports.lines);
    static OutputThroughPort output(ports.output);
    setLineSource(&lines);
    setOutputSink(&output);
    setRandomSource([&random = ports.random] { return random.draw(); });
    useSoundPort(&ports.sound);
    return runLanternmoor(argc, argv);
}
