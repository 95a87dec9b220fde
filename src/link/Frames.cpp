#include "link/Frames.h"


namespace {

// A frame under construction: keeps the running sum as bytes are emitted.
class FrameWriter {
public:
    explicit FrameWriter(std::uint8_t command, std::size_t capacity)
    {
        frame_.reserve(capacity);
        Put(command);
        Put(0x00);
    }
    void Put(std::uint8_t byte)
    {
        frame_.push_back(byte);
        sum_ += byte;
    }
    void PutWord(std::int32_t value)
    {
        // Unsigned arithmetic: the low 16 bits of any stored value, high byte first.
        const auto bits = static_cast<std::uint32_t>(value);
        Put(static_cast<std::uint8_t>((bits >> 8) & 0xFF));
        Put(static_cast<std::uint8_t>(bits & 0xFF));
    }
    Frame Finish()
    {
        frame_.push_back(CheckByteFor(sum_));
        return std::move(frame_);
    }

private:
    Frame frame_;
    std::uint32_t sum_ = CheckSeed;
};

} // namespace

std::uint8_t CheckByteFor(std::uint32_t sum)
{
    return static_cast<std::uint8_t>((0u - sum) & 0xFF);
}

void AppendCheckByte(Frame& frame)
{
    std::uint32_t sum = CheckSeed;
    for (const std::uint8_t b : frame)
        sum += b;
    frame.push_back(CheckByteFor(sum));
}

Frame ProcessRequest()
{
    return FrameWriter(ProcessRequestCommand, RequestLength).Finish();
}

Frame ControlsRequest()
{
    return FrameWriter(ControlsRequestCommand, RequestLength).Finish();
}

Frame ControlsBlock(const ValueImage& image)
{
    FrameWriter writer(ControlsBlockCommand, BlockLength);
    for (int r = FirstControlRegister; r < FirstControlRegister + RegistersPerBlock; ++r)
        writer.PutWord(image.Values[r]);
    return writer.Finish();
}

Frame ProcessBlock(ValueImage& image)
{
    FrameWriter writer(ProcessBlockCommand, BlockLength);
    for (int r = FirstProcessRegister; r < FirstProcessRegister + RegistersPerBlock; ++r) {
        if (image.PendingEdit[r] == 1) {
            writer.PutWord(image.Values[r]);
            image.PendingEdit[r] = 0;
        } else {
            writer.PutWord(NoChangeWord);
        }
    }
    return writer.Finish();
}

bool FrameSumOk(const ValueImage& image)
{
    std::uint32_t sum = CheckSeed;
    for (int i = 0; i < image.RxCount; ++i)
        sum += static_cast<std::uint32_t>(image.RxBuffer[i]);
    return (sum & 0xFF) == 0;
}

bool FrameSumOk(const Frame& frame)
{
    std::uint32_t sum = CheckSeed;
    for (const std::uint8_t b : frame)
        sum += b;
    return (sum & 0xFF) == 0;
}

std::int32_t DecodeWord(const ValueImage& image, int slot)
{
    return WordFromBytes(static_cast<std::uint8_t>(image.RxBuffer[slot]),
                         static_cast<std::uint8_t>(image.RxBuffer[slot + 1]));
}

std::int32_t WordFromBytes(std::uint8_t hi, std::uint8_t lo)
{
    const std::int32_t value = hi * 256 + lo;
    return hi >= 128 ? value - 65536 : value;
}

Frame BuildFrame(std::uint8_t type, const std::vector<std::int32_t>& words)
{
    FrameWriter writer(type, 3 + 2 * words.size());
    for (const std::int32_t w : words)
        writer.PutWord(w);
    return writer.Finish();
}
