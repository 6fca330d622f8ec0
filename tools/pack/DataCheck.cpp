#include "DataCheck.h"

#include "ToolServices.h"
#include "shell/core/CourseStore.h"
#include "shell/data/DataNames.h"
#include "shell/data/SplitPhoto.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <map>

namespace {

// What a value names.
enum class Names {
    Photo,      // lesson photos in two halves, pic/kcpic + pic/wzpic
    Picture,    // a picture file; Rule::pattern makes its path
    Lesson,     // a key of 课程 [课程图片]
    Category,   // likewise, for the categories of 分类
    Comparison, // a section of 数学课程 with rounds of photos and two spoken words
};

// Which keys of a section are read.
inline const QString EveryKey = QStringLiteral("*");    // all keys present
inline const QString Consecutive = QStringLiteral("#"); // "1", "2", ... until an empty value

struct Rule {
    QString course, section, key;
    Names names;
    bool list = true; // a value of names separated by spaces; false: the value is one name
    QString pattern = {};
};

// Every course the program reads.
const QStringList Courses = {"课程",     "步骤", "数学课程", "认知",       "tianshe",
                             "顺序推理", "分类", "句子排序", "输入法.ini", "课程.ini"};

// Every value whose names point at files or other entries.
const Rule Rules[] = {
    {"课程", "课程目录", "课程目录", Names::Lesson},
    {"课程", "课程图片", EveryKey, Names::Photo},
    {"课程", "分辨颜色", "颜色", Names::Picture, true, "pic/color/%1.jpg"},
    {"课程", "填色图片", "1", Names::Picture, true, "pic/drawpic/%1.bmp"},
    {"步骤", "语言", Consecutive, Names::Picture, false, "stepimage/%1.jpg"},
    {"步骤", "手眼协调", Consecutive, Names::Picture, false, "stepimage/%1.jpg"},
    {"步骤", "记忆力训练", Consecutive, Names::Picture, false, "stepimage/%1.jpg"},
    {"数学课程", "图片", "图片", Names::Picture, true, "pic/sxpic/%1.jpg"},
    {"数学课程", "项目", "项目", Names::Comparison},
    {"数学课程", "数字", "1", Names::Picture, true, "pic/sxpic/苹果/%1.jpg"},
    {"分类", "类别", "类别", Names::Category},
};

// Files every data folder has, whatever its courses say.
const QStringList Files = {"kc/课程.mdb", "pic/fm.gif", "pic/good.gif", "pic/bad.gif"};
// The number pictures of the arithmetic and sorting windows: numerals and apples, 1 to 10.
constexpr int NumberPictures = 10;
const QStringList NumberFolders = {"pic/sxpic/数字", "pic/sxpic/苹果"};
const QStringList Sounds = {"right",     "error",     "win", "pingturight",
                            "mousemove", "clickform", "no",  "无"};

class Checker {
public:
    explicit Checker(const QString& dataDir)
        : app_(services_, dataDir)
    {
    }

    QStringList run()
    {
        for (const QString& file : Files)
            file.endsWith(QLatin1String(".mdb")) ? present(file) : picture(file);
        for (const QString& folder : NumberFolders)
            for (int n = 1; n <= NumberPictures; ++n)
                picture(QStringLiteral("%1/%2.jpg").arg(folder).arg(n));
        for (const QString& sound : Sounds)
            wave(sound);
        for (const QString& course : Courses)
            if (auto ini = ExtractCourseIni(app_, course))
                courses_.emplace(course, std::move(*ini));
        for (const Rule& rule : Rules)
            check(rule);
        QStringList lines = services_.lines + problems_;
        lines.removeDuplicates();
        return lines;
    }

private:
    const CourseIni* course(const QString& name) const
    {
        const auto it = courses_.find(name);
        return it == courses_.end() ? nullptr : &it->second;
    }

    QStringList keys(const CourseIni& ini, const Rule& rule) const
    {
        if (rule.key == EveryKey) return ini.keys(rule.section);
        if (rule.key != Consecutive) return {rule.key};
        QStringList numbered;
        for (int k = 1; !ini.value(rule.section, QString::number(k)).isEmpty(); ++k)
            numbered << QString::number(k);
        return numbered;
    }

    void check(const Rule& rule)
    {
        const CourseIni* ini = course(rule.course);
        if (!ini) return; // already reported as a missing or broken course
        const QString where = QStringLiteral("%1 [%2]").arg(rule.course, rule.section);
        const QStringList ruleKeys = keys(*ini, rule);
        if (ruleKeys.isEmpty()) problems_ << QStringLiteral("%1: no entries").arg(where);
        for (const QString& key : ruleKeys) {
            const QString value = ini->value(rule.section, key);
            if (value.isEmpty())
                problems_ << QStringLiteral("%1 %2: missing or empty").arg(where, key);
            const QStringList names =
                rule.list ? value.split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList{value};
            for (const QString& name : names)
                named(rule, name, QStringLiteral("%1 %2").arg(where, key));
        }
    }

    void named(const Rule& rule, const QString& name, const QString& where)
    {
        if (!isSafeDataName(name)) {
            problems_ << QStringLiteral("%1: \"%2\" is not a plain file name")
                             .arg(where, printableName(name));
            return;
        }
        switch (rule.names) {
        case Names::Photo:
            return photo(name);
        case Names::Picture:
            return picture(rule.pattern.arg(name));
        case Names::Lesson:
        case Names::Category:
            return hasPhotoList(name, where);
        case Names::Comparison:
            return comparison(name, where);
        }
    }

    // The photos themselves are checked with every key of 课程 [课程图片].
    void hasPhotoList(const QString& name, const QString& where)
    {
        const CourseIni* lessons = course("课程");
        if (lessons && lessons->value("课程图片", name).isEmpty())
            problems_
                << QStringLiteral("%1: \"%2\" has no entry in 课程 [课程图片]").arg(where, name);
    }

    void comparison(const QString& entry, const QString& where)
    {
        const CourseIni& ini = *course("数学课程");
        if (ini.value(entry, "1").isEmpty())
            problems_ << QStringLiteral("%1: \"%2\" has no round 1").arg(where, entry);
        check({"数学课程", entry, EveryKey, Names::Photo});
        if (entry.size() < 4) {
            problems_
                << QStringLiteral("%1: \"%2\" is too short to name two words").arg(where, entry);
            return;
        }
        wave(entry.mid(2, 1));
        wave(entry.mid(3, 1));
    }

    void present(const QString& relPath)
    {
        if (!QFileInfo::exists(app_.dataPath(relPath)))
            problems_ << QStringLiteral("missing %1").arg(relPath);
    }

    void picture(const QString& relPath)
    {
        if (!QFileInfo::exists(app_.dataPath(relPath)))
            present(relPath);
        else if (QImage(app_.dataPath(relPath)).isNull())
            problems_ << QStringLiteral("%1 does not decode").arg(relPath);
    }

    void photo(const QString& item)
    {
        const QString halves[] = {QStringLiteral("pic/kcpic/%1.zic").arg(item),
                                  QStringLiteral("pic/wzpic/%1.zic").arg(item)};
        QByteArray bytes[2];
        bool complete = true;
        for (int i = 0; i < 2; ++i) {
            QFile file(app_.dataPath(halves[i]));
            if (file.open(QIODevice::ReadOnly))
                bytes[i] = file.readAll();
            else
                complete = false, present(halves[i]);
        }
        if (complete && QImage::fromData(SplitPhoto::join(bytes[0], bytes[1])).isNull())
            problems_ << QStringLiteral("photo %1 (%2 + %3) does not decode")
                             .arg(item, halves[0], halves[1]);
    }

    void wave(const QString& name)
    {
        const QString relPath = QStringLiteral("sheng/%1.wav").arg(name);
        QFile file(app_.dataPath(relPath));
        if (!file.open(QIODevice::ReadOnly)) return present(relPath);
        const QByteArray header = file.read(12);
        if (!header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
            problems_ << QStringLiteral("%1 is not a wave file").arg(relPath);
    }

    ToolServices services_{false};
    AppContext app_;
    std::map<QString, CourseIni> courses_;
    QStringList problems_;
};

} // namespace

QStringList checkDataFolder(const QString& dataDir)
{
    return Checker(dataDir).run();
}
