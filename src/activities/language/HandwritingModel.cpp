#include "activities/language/HandwritingModel.h"

#include <QHash>
#include <QMutex>
#include <QPromise>
#include <QThreadPool>

namespace {

QMutex mutex;
QHash<QString, QFuture<LoadedModel>>& loads()
{
    static QHash<QString, QFuture<LoadedModel>> all;
    return all;
}

} // namespace

namespace HandwritingModel {

QString path()
{
    const QString chosen = qEnvironmentVariable("MINDLARK_HANDWRITING_MODEL");
    return chosen.isEmpty()
               ? QStringLiteral("/usr/share/tegaki/models/zinnia/handwriting-zh_CN.model")
               : chosen;
}

QFuture<LoadedModel> load(const QString& modelPath)
{
    QMutexLocker lock(&mutex);
    if (auto it = loads().constFind(modelPath); it != loads().constEnd()) return *it;
    auto promise = std::make_shared<QPromise<LoadedModel>>();
    QFuture<LoadedModel> future = promise->future();
    promise->start();
    loads().insert(modelPath, future);
    QThreadPool::globalInstance()->start([promise, modelPath] {
        LoadedModel model;
        model.recognizer = HandwritingRecognizer::open(modelPath, &model.error);
        promise->addResult(std::move(model));
        promise->finish();
    });
    return future;
}

void forget()
{
    QMutexLocker lock(&mutex);
    for (QFuture<LoadedModel>& future : loads())
        future.waitForFinished();
    loads().clear();
}

} // namespace HandwritingModel
