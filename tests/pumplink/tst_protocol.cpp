#include "pumpprotocol.h"

#include <QtTest>

using namespace PumpProtocol;

class TestProtocol : public QObject
{
    Q_OBJECT

private slots:
    void frames_data();
    void frames();
    void caseFolding_data();
    void caseFolding();
    void commandSplitting_data();
    void commandSplitting();
    void replySplitting_data();
    void replySplitting();
    void framerChunkings_data();
    void framerChunkings();
    void framerBoundsARunawayReply();
    void framerIsIndependentOfChunkBoundaries();
};

void TestProtocol::frames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("query subnet mask") << queryFrame("NSM") << QByteArray::fromHex("024e534d0d");
    QTest::newRow("identity query") << identityQueryFrame() << QByteArray::fromHex("024e49440d");
    QTest::newRow("save") << saveFrame() << QByteArray::fromHex("024e53560d");
    QTest::newRow("set address") << setFrame("NIP", QStringLiteral("192.168.1.20"))
                                 << QByteArray::fromHex("024e49502c3139322e3136382e312e32300d");
    QTest::newRow("set assignment static") << setFrame("NAM", QStringLiteral("Static"))
                                           << QByteArray::fromHex("024e414d2c5374617469630d");
    QTest::newRow("empty value is six bytes")
        << setFrame("NTT", QString()) << QByteArray::fromHex("024e54542c0d");
    QTest::newRow("switch on ends in two CRs")
        << setFrame("NCM", QStringLiteral("On\r")) << QByteArray::fromHex("024e434d2c4f6e0d0d");
    QTest::newRow("switch off ends in two CRs")
        << setFrame("NTN", QStringLiteral("Off\r")) << QByteArray::fromHex("024e544e2c4f66660d0d");
    QTest::newRow("comma and CR inside a value pass unchanged")
        << setFrame("NK1", QStringLiteral("a,b\rc")) << QByteArray("\x02NK1,a,b\rc\r");
    QTest::newRow("non-ASCII is sent as UTF-8")
        << setFrame("NK2", QStringLiteral("Schl\u00fcssel\u20ac"))
        << QByteArray("\x02NK2,Schl\xc3\xbcssel\xe2\x82\xac\r");
    QTest::newRow("reply line") << replyLine("NAM", "DHCP") << QByteArray("\x02NAM,DHCP\r");
    QTest::newRow("reply line keeps any value byte")
        << replyLine("NK1", QByteArray("\xff\x00\r", 3)) << QByteArray("\x02NK1,\xff\x00\r\r", 9);
    QTest::newRow("reply line of an empty value")
        << replyLine("NTT", QByteArray()) << QByteArray::fromHex("024e54542c0d");
}

void TestProtocol::frames()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, bytes);
    QCOMPARE(frame.toHex(' '), bytes.toHex(' '));
}

void TestProtocol::caseFolding_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("upper");
    QTest::addColumn<QByteArray>("lower");
    QTest::newRow("letters") << QByteArray("\x02nAm,Dhcp\r") << QByteArray("\x02NAM,DHCP\r")
                             << QByteArray("\x02nam,dhcp\r");
    QTest::newRow("digits and marks stay")
        << QByteArray("\x02nip,10.0.0.7@[`{\r") << QByteArray("\x02NIP,10.0.0.7@[`{\r")
        << QByteArray("\x02nip,10.0.0.7@[`{\r");
    QTest::newRow("UTF-8 bytes stay")
        << QByteArray("\xc3\xbc-z\xc3\x9c-Z") << QByteArray("\xc3\xbc-Z\xc3\x9c-Z")
        << QByteArray("\xc3\xbc-z\xc3\x9c-z");
}

void TestProtocol::caseFolding()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, upper);
    QFETCH(QByteArray, lower);
    QCOMPARE(upperCased(line), upper);
    QCOMPARE(lowerCased(line), lower);
}

void TestProtocol::commandSplitting_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("mnemonic");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("query") << queryFrame("NSM") << int(Command::Query) << QByteArray("NSM")
                           << QByteArray();
    QTest::newRow("save is a query")
        << saveFrame() << int(Command::Query) << QByteArray("NSV") << QByteArray();
    QTest::newRow("set") << setFrame("NIP", QStringLiteral("10.0.0.7")) << int(Command::Set)
                         << QByteArray("NIP") << QByteArray("10.0.0.7");
    QTest::newRow("set with an empty value")
        << setFrame("NTT", QString()) << int(Command::Set) << QByteArray("NTT") << QByteArray();
    QTest::newRow("value ends at the first CR")
        << setFrame("NCM", QStringLiteral("On\r")) << int(Command::Set) << QByteArray("NCM")
        << QByteArray("On");
    QTest::newRow("comma inside a value stays")
        << setFrame("NK1", QStringLiteral("a,b")) << int(Command::Set) << QByteArray("NK1")
        << QByteArray("a,b");
    QTest::newRow("set without CR")
        << QByteArray("\x02NIP,1.2") << int(Command::Invalid) << QByteArray() << QByteArray();
    QTest::newRow("no STX") << QByteArray("xNAM\r") << int(Command::Invalid) << QByteArray()
                            << QByteArray();
    QTest::newRow("other separator")
        << QByteArray("\x02NAM=1\r") << int(Command::Invalid) << QByteArray() << QByteArray();
    QTest::newRow("too short") << QByteArray("\x02NA\r") << int(Command::Invalid) << QByteArray()
                               << QByteArray();
}

void TestProtocol::commandSplitting()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, kind);
    QFETCH(QByteArray, mnemonic);
    QFETCH(QByteArray, value);
    const Command command = splitCommand(frame);
    QCOMPARE(int(command.kind), kind);
    QCOMPARE(command.mnemonic, mnemonic);
    QCOMPARE(command.value, value);
}

void TestProtocol::replySplitting_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("isAReply");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<QByteArray>("mnemonic");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("ordinary") << QByteArray("\x02NAM,DHCP\r") << true << true << QByteArray("NAM")
                              << QByteArray("DHCP");
    QTest::newRow("empty value") << QByteArray("\x02NTT,\r") << true << true << QByteArray("NTT")
                                 << QByteArray();
    QTest::newRow("lead and separator are not examined")
        << QByteArray("xNIP=1.2.3.4\r") << true << true << QByteArray("NIP")
        << QByteArray("1.2.3.4");
    QTest::newRow("echoed query has no value")
        << QByteArray("\x02NAM\r") << true << false << QByteArray("NAM") << QByteArray();
    QTest::newRow("four bytes is no reply")
        << QByteArray("NAM\r") << false << false << QByteArray() << QByteArray();
    QTest::newRow("empty is no reply")
        << QByteArray() << false << false << QByteArray() << QByteArray();
}

void TestProtocol::replySplitting()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, isAReply);
    QFETCH(bool, hasValue);
    QFETCH(QByteArray, mnemonic);
    QFETCH(QByteArray, value);

    QCOMPARE(isReply(line), isAReply);
    const Reply reply = splitReply(line);
    QCOMPARE(reply.hasValue, hasValue);
    QCOMPARE(reply.mnemonic, mnemonic);
    QCOMPARE(reply.value, value);
}

void TestProtocol::framerChunkings_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("replies");

    const QByteArray nam("\x02NAM,DHCP\r");
    const QByteArray nip("\x02NIP,10.0.0.7\r");
    QTest::newRow("one chunk") << QList<QByteArray> { nam } << QList<QByteArray> { nam };
    QTest::newRow("split after the mnemonic")
        << QList<QByteArray> { "\x02NAM", ",DHCP\r" } << QList<QByteArray> { nam };
    QTest::newRow("two replies in one chunk")
        << QList<QByteArray> { nam + nip } << QList<QByteArray> { nam, nip };
    QTest::newRow("second reply starts inside the first chunk")
        << QList<QByteArray> { nam + "\x02NIP,10.", "0.0.7\r" } << QList<QByteArray> { nam, nip };
    QTest::newRow("bytes outside a reply are dropped")
        << QList<QByteArray> { "junk" + nam + "\r\r", "more junk" } << QList<QByteArray> { nam };
    QTest::newRow("chunk without STX is not glued to the previous reply")
        << QList<QByteArray> { nam, "NIP,1.2.3.4\r" } << QList<QByteArray> { nam };
    QTest::newRow("a new STX abandons an unfinished reply")
        << QList<QByteArray> { "\x02NA", nip } << QList<QByteArray> { nip };
    QTest::newRow("CR only ends a reply that started")
        << QList<QByteArray> { "\r", "\r\x02", "NAM\r" }
        << QList<QByteArray> { QByteArray("\x02NAM\r") };
}

void TestProtocol::framerChunkings()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, replies);
    SerialReplyFramer framer;
    QList<QByteArray> framed;
    for (const QByteArray &chunk : chunks)
        framed += framer.feed(chunk).toList();
    QCOMPARE(framed, replies);
}

void TestProtocol::framerBoundsARunawayReply()
{
    SerialReplyFramer framer;
    QByteArray endless(1, stx);
    endless += QByteArray(SerialReplyFramer::maximumReplyLength * 4, 'A');
    QVERIFY(framer.feed(endless).isEmpty());
    // The runaway is abandoned, so its end cannot glue onto the next reply.
    QVERIFY(!framer.isInsideReply());
    QVERIFY(framer.feed("AAAA\r").isEmpty());
    const QByteArray nam("\x02NAM,DHCP\r");
    QCOMPARE(framer.feed(nam), QVector<QByteArray> { nam });

    // The longest reply that fits is still delivered whole.
    QByteArray longest(1, stx);
    longest += QByteArray(SerialReplyFramer::maximumReplyLength - 2, 'B');
    longest += cr;
    QCOMPARE(framer.feed(longest), QVector<QByteArray> { longest });
}

void TestProtocol::framerIsIndependentOfChunkBoundaries()
{
    // Every way of cutting the same stream gives the same replies, exactly once each.
    const QByteArray stream("x\x02NAM,dhcp\r\x02NIP,10.0.0.7\r\r\x02NCM,ON\r\r");
    const QVector<QByteArray> expected = SerialReplyFramer().feed(stream);
    QCOMPARE(expected.size(), 3);
    for (int first = 0; first <= stream.size(); ++first) {
        for (int second = first; second <= stream.size(); ++second) {
            SerialReplyFramer framer;
            QVector<QByteArray> framed = framer.feed(stream.left(first));
            framed += framer.feed(stream.mid(first, second - first));
            framed += framer.feed(stream.mid(second));
            QCOMPARE(framed, expected);
        }
    }
}

QTEST_APPLESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
