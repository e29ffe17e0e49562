-- The database delivered with the program: four tables, the settings row
-- and the 50 questionnaire items. The build makes Pentarix/Pentarix.mdb from
-- this file only when the application folder has none; the program itself
-- never creates, alters or drops a table.
--
-- Code compares without regard to the letter case of Latin letters, in the
-- uniqueness check as in the views' filters. The rollback journal stays in
-- use (never WAL): a backup is a byte copy of this one file.

PRAGMA journal_mode = DELETE;
PRAGMA user_version = 1;
BEGIN;

-- Examinees and their five factor scores.
CREATE TABLE IDE (
  Code TEXT NOT NULL COLLATE NOCASE UNIQUE,
  FName TEXT,
  LName TEXT,
  Jens TEXT,
  Sen TEXT,
  Taahol TEXT,
  Tahsil TEXT,
  "Group" TEXT,
  "Date" TEXT,
  "Time" TEXT,
  E INTEGER,
  A INTEGER,
  C INTEGER,
  ES INTEGER,
  O INTEGER
);

-- Answer sheets: one keyed value "1" .. "5" per item, empty until answered.
CREATE TABLE Answer (
  Code TEXT NOT NULL COLLATE NOCASE UNIQUE,
  "1" TEXT,
  "2" TEXT,
  "3" TEXT,
  "4" TEXT,
  "5" TEXT,
  "6" TEXT,
  "7" TEXT,
  "8" TEXT,
  "9" TEXT,
  "10" TEXT,
  "11" TEXT,
  "12" TEXT,
  "13" TEXT,
  "14" TEXT,
  "15" TEXT,
  "16" TEXT,
  "17" TEXT,
  "18" TEXT,
  "19" TEXT,
  "20" TEXT,
  "21" TEXT,
  "22" TEXT,
  "23" TEXT,
  "24" TEXT,
  "25" TEXT,
  "26" TEXT,
  "27" TEXT,
  "28" TEXT,
  "29" TEXT,
  "30" TEXT,
  "31" TEXT,
  "32" TEXT,
  "33" TEXT,
  "34" TEXT,
  "35" TEXT,
  "36" TEXT,
  "37" TEXT,
  "38" TEXT,
  "39" TEXT,
  "40" TEXT,
  "41" TEXT,
  "42" TEXT,
  "43" TEXT,
  "44" TEXT,
  "45" TEXT,
  "46" TEXT,
  "47" TEXT,
  "48" TEXT,
  "49" TEXT,
  "50" TEXT
);

-- The single settings row: theme number, clinic name and address.
CREATE TABLE Theme (
  TH INTEGER,
  Name TEXT,
  Adress TEXT
);

-- The questionnaire items. Item i measures factor (i - 1) mod 5: E, A, C, ES, O.
CREATE TABLE QU (
  ID INTEGER PRIMARY KEY,
  QU TEXT NOT NULL
);

INSERT INTO Theme (TH, Name, Adress) VALUES (11, 'مرکز مشاوره و خدمات روان‌شناختی آرامش', 'تهران، خیابان ولیعصر، کوچه بهار، پلاک 12 - تلفن 88001234');

INSERT INTO QU (ID, QU) VALUES (1, 'در جمع‌ها روح مجلس هستم.');
INSERT INTO QU (ID, QU) VALUES (2, 'به حال دیگران کمتر اهمیت می‌دهم.');
INSERT INTO QU (ID, QU) VALUES (3, 'همیشه برای کارهایم آمادگی دارم.');
INSERT INTO QU (ID, QU) VALUES (4, 'زود دچار تنش و فشار روانی می‌شوم.');
INSERT INTO QU (ID, QU) VALUES (5, 'دایرهٔ واژگانم گسترده است.');
INSERT INTO QU (ID, QU) VALUES (6, 'زیاد حرف نمی‌زنم.');
INSERT INTO QU (ID, QU) VALUES (7, 'به مردم علاقه‌مندم.');
INSERT INTO QU (ID, QU) VALUES (8, 'وسایلم را این‌طرف و آن‌طرف رها می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (9, 'بیشتر وقت‌ها آرامم.');
INSERT INTO QU (ID, QU) VALUES (10, 'در فهم اندیشه‌های انتزاعی مشکل دارم.');
INSERT INTO QU (ID, QU) VALUES (11, 'در کنار دیگران احساس راحتی می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (12, 'به دیگران توهین می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (13, 'به جزئیات توجه می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (14, 'زیاد نگران مسائل می‌شوم.');
INSERT INTO QU (ID, QU) VALUES (15, 'تخیل قوی و زنده‌ای دارم.');
INSERT INTO QU (ID, QU) VALUES (16, 'ترجیح می‌دهم در حاشیه بمانم.');
INSERT INTO QU (ID, QU) VALUES (17, 'با احساسات دیگران همدردی می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (18, 'کارها را به‌هم می‌ریزم.');
INSERT INTO QU (ID, QU) VALUES (19, 'به‌ندرت احساس غم و دلتنگی می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (20, 'به اندیشه‌های انتزاعی علاقه‌ای ندارم.');
INSERT INTO QU (ID, QU) VALUES (21, 'معمولاً من سر صحبت را باز می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (22, 'به مشکلات دیگران علاقه‌ای ندارم.');
INSERT INTO QU (ID, QU) VALUES (23, 'کارهای روزمره را بی‌درنگ انجام می‌دهم.');
INSERT INTO QU (ID, QU) VALUES (24, 'به‌آسانی آشفته می‌شوم.');
INSERT INTO QU (ID, QU) VALUES (25, 'ایده‌های عالی دارم.');
INSERT INTO QU (ID, QU) VALUES (26, 'حرف زیادی برای گفتن ندارم.');
INSERT INTO QU (ID, QU) VALUES (27, 'دل‌نازک و مهربانم.');
INSERT INTO QU (ID, QU) VALUES (28, 'اغلب فراموش می‌کنم وسایل را سر جایشان برگردانم.');
INSERT INTO QU (ID, QU) VALUES (29, 'به‌آسانی ناراحت نمی‌شوم و آرامشم را حفظ می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (30, 'قوهٔ تخیل خوبی ندارم.');
INSERT INTO QU (ID, QU) VALUES (31, 'در مهمانی‌ها با افراد گوناگون زیادی گفتگو می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (32, 'واقعاً به دیگران علاقه‌ای ندارم.');
INSERT INTO QU (ID, QU) VALUES (33, 'نظم و ترتیب را دوست دارم.');
INSERT INTO QU (ID, QU) VALUES (34, 'خلق‌وخویم زیاد تغییر می‌کند.');
INSERT INTO QU (ID, QU) VALUES (35, 'مطالب را زود می‌فهمم.');
INSERT INTO QU (ID, QU) VALUES (36, 'دوست ندارم توجه دیگران را به خودم جلب کنم.');
INSERT INTO QU (ID, QU) VALUES (37, 'برای دیگران وقت می‌گذارم.');
INSERT INTO QU (ID, QU) VALUES (38, 'از زیر بار وظایفم شانه خالی می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (39, 'نوسان‌های خلقی زیادی دارم.');
INSERT INTO QU (ID, QU) VALUES (40, 'واژه‌های دشوار به کار می‌برم.');
INSERT INTO QU (ID, QU) VALUES (41, 'از اینکه در مرکز توجه باشم ناراحت نمی‌شوم.');
INSERT INTO QU (ID, QU) VALUES (42, 'احساسات دیگران را درک می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (43, 'طبق برنامه کار می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (44, 'زود عصبانی می‌شوم.');
INSERT INTO QU (ID, QU) VALUES (45, 'وقت می‌گذارم و دربارهٔ مسائل تأمل می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (46, 'در برابر غریبه‌ها ساکت هستم.');
INSERT INTO QU (ID, QU) VALUES (47, 'کاری می‌کنم که دیگران احساس آرامش کنند.');
INSERT INTO QU (ID, QU) VALUES (48, 'در کارم دقیق و سخت‌گیرم.');
INSERT INTO QU (ID, QU) VALUES (49, 'اغلب احساس غم می‌کنم.');
INSERT INTO QU (ID, QU) VALUES (50, 'سرشار از ایده هستم.');

COMMIT;
