#include "FakeServices.h"

#include <QFileInfo>
#include <numeric>

QStringList FakeServices::soundNames() const
{
    QStringList names;
    for (const QString& path : sounds)
        names << QFileInfo(path).completeBaseName();
    return names;
}

void FakeServices::scriptPermutation(const std::vector<int>& perm)
{
    // Replays the drawing algorithm: for k = n..1 the value r (1..k) picks W(r), and W(r)
    // is then replaced by W(k). Find the r that yields the wanted value and draw its middle.
    const int n = int(perm.size());
    std::vector<int> work(n + 1);
    std::iota(work.begin(), work.end(), 0);
    for (int k = n; k >= 1; --k) {
        const int wanted = perm[n - k];
        int r = 1;
        while (r <= k && work[r] != wanted)
            ++r;
        Q_ASSERT(r <= k);
        uniforms.push_back((r - 1 + 0.5) / k);
        work[r] = work[k];
    }
}

void FakeServices::clearRecords()
{
    sounds.clear();
    spoken.clear();
    messages.clear();
    messageTitles.clear();
    warnings.clear();
    logLines.clear();
    startedPrograms.clear();
    openedUrls.clear();
    quitStatuses.clear();
}
