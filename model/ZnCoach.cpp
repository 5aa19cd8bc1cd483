#include "ZnCoach.h"

#include "ZnStream.h"

void TZnCoach::ReadFromStream(TZnReadStream& stream) {
    Experience = stream.ReadInt32();
    Money = stream.ReadInt32();
}

void TZnCoach::WriteToStream(TZnWriteStream& stream) const {
    stream.WriteInt32(Experience);
    stream.WriteInt32(Money);
}
