// The serial line delivers a reply in whatever pieces the driver hands over. The
// framer must cut the same replies out of a stream however it is chunked, every one
// of them well formed and bounded.
//
// Input: byte 0 gives how many chunk sizes follow (0 to 7); each of those bytes is a
// chunk size less one, used in turn; everything after them is the stream.

#include "pumpprotocol.h"

#include <QByteArray>
#include <QVector>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int maximumChunkSizes = 7;

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Every reply the framer may give: an STX, then bytes that are neither STX nor CR,
// then a CR, at most maximumReplyLength bytes in all. A reply that grows longer
// before its CR is abandoned, and the bytes up to the next STX go with it.
// Coverage of this model would only distract the fuzzer from the framer itself.
__attribute__((no_sanitize("coverage"))) QVector<QByteArray>
expectedReplies(const QByteArray &stream)
{
    const char *bytes = stream.constData();
    const int size = stream.size();
    QVector<QByteArray> replies;
    for (int start = 0; start < size; ++start) {
        if (bytes[start] != PumpProtocol::stx)
            continue;
        int end = start + 1;
        while (end < size && bytes[end] != PumpProtocol::stx && bytes[end] != PumpProtocol::cr)
            ++end;
        if (end < size && bytes[end] == PumpProtocol::cr
            && end - start + 1 <= SerialReplyFramer::maximumReplyLength)
            replies.append(QByteArray(bytes + start, end - start + 1));
    }
    return replies;
}

void checkReply(const QByteArray &reply)
{
    require(reply.size() >= 2);
    require(reply.size() <= SerialReplyFramer::maximumReplyLength);
    require(reply.front() == PumpProtocol::stx);
    require(reply.back() == PumpProtocol::cr);
    require(reply.indexOf(PumpProtocol::cr) == reply.size() - 1);
    require(reply.lastIndexOf(PumpProtocol::stx) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int chunkSizeCount = data[0] % (maximumChunkSizes + 1);
    if (size < 1 + static_cast<size_t>(chunkSizeCount))
        return 0;
    QVector<int> chunkSizes;
    for (int i = 0; i < chunkSizeCount; ++i)
        chunkSizes.append(data[1 + i] + 1);
    const size_t header = 1 + static_cast<size_t>(chunkSizeCount);
    // Raw views of the fuzzer's own buffer: a read past the end of any chunk is
    // caught at the very byte.
    const QByteArray stream = QByteArray::fromRawData(reinterpret_cast<const char *>(data + header),
                                                      static_cast<int>(size - header));

    SerialReplyFramer whole;
    const QVector<QByteArray> wholeReplies = whole.feed(stream);

    SerialReplyFramer chunked;
    QVector<QByteArray> chunkedReplies;
    int position = 0;
    for (int i = 0; position < stream.size(); ++i) {
        const int chunkSize
            = chunkSizes.isEmpty() ? stream.size() : chunkSizes.at(i % chunkSizes.size());
        const int length = qMin(chunkSize, stream.size() - position);
        chunkedReplies
            += chunked.feed(QByteArray::fromRawData(stream.constData() + position, length));
        position += chunkSize;
    }

    for (const QByteArray &reply : wholeReplies)
        checkReply(reply);
    require(chunkedReplies == wholeReplies);
    require(wholeReplies == expectedReplies(stream));
    require(chunked.isInsideReply() == whole.isInsideReply());

    // After clear() the framer starts afresh: the same stream gives the same replies.
    chunked.clear();
    require(!chunked.isInsideReply());
    require(chunked.feed(stream) == wholeReplies);
    return 0;
}
