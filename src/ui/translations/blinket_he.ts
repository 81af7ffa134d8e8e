<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>Accuracy</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>CodeSignal</name>
    <message>
        <source>%1 (%2)</source>
        <translation>‏‎%1‎ (%2)</translation>
    </message>
    <message>
        <source>I am in distress and need help</source>
        <translation>אני במצוקה וזקוק לעזרה</translation>
    </message>
    <message>
        <source>I have a diver down; keep well clear at slow speed</source>
        <translation>יש לי צוללן במים; התרחקו ממני היטב ובמהירות נמוכה</translation>
    </message>
    <message>
        <source>I am taking in, discharging or carrying dangerous goods</source>
        <translation>אני טוען, פורק או נושא מטען מסוכן</translation>
    </message>
    <message>
        <source>Affirmative</source>
        <translation>חיובי</translation>
    </message>
    <message>
        <source>Keep clear of me; I am manoeuvring with difficulty</source>
        <translation>התרחקו ממני; אני מתמרן בקושי</translation>
    </message>
    <message>
        <source>I am altering my course to starboard</source>
        <translation>אני משנה את כיווני לימין</translation>
    </message>
    <message>
        <source>I am disabled; communicate with me</source>
        <translation>כלי השיט שלי מושבת; צרו איתי קשר</translation>
    </message>
    <message>
        <source>I require a pilot</source>
        <translation>אני זקוק לנתב</translation>
    </message>
    <message>
        <source>I have a pilot on board</source>
        <translation>יש נתב על סיפון כלי השיט שלי</translation>
    </message>
    <message>
        <source>I am altering my course to port</source>
        <translation>אני משנה את כיווני לשמאל</translation>
    </message>
    <message>
        <source>I am on fire and have dangerous cargo on board; keep well clear of me</source>
        <translation>פרצה בי שריפה ויש מטען מסוכן על הסיפון; התרחקו ממני היטב</translation>
    </message>
    <message>
        <source>I wish to communicate with you</source>
        <translation>אני מבקש ליצור איתכם קשר</translation>
    </message>
    <message>
        <source>You should stop your vessel instantly</source>
        <translation>עצרו את כלי השיט שלכם מיד</translation>
    </message>
    <message>
        <source>My vessel is stopped and making no way through the water</source>
        <translation>כלי השיט שלי עצור ואינו נע במים</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>שלילי</translation>
    </message>
    <message>
        <source>Man overboard</source>
        <translation>אדם נפל למים</translation>
    </message>
    <message>
        <source>All persons should report on board, as the vessel is about to proceed to sea</source>
        <translation>על כל האנשים לעלות לסיפון: כלי השיט עומד לצאת לים</translation>
    </message>
    <message>
        <source>My vessel is healthy and I request free pratique</source>
        <translation>כלי השיט שלי בריא ואני מבקש היתר כניסה</translation>
    </message>
    <message>
        <source>I am operating astern propulsion</source>
        <translation>אני מפעיל הנעה לאחור</translation>
    </message>
    <message>
        <source>Keep clear of me; I am engaged in pair trawling</source>
        <translation>התרחקו ממני; אני עוסק בדיג מכמורת בזוג</translation>
    </message>
    <message>
        <source>You are running into danger</source>
        <translation>אתם מתקדמים לעבר סכנה</translation>
    </message>
    <message>
        <source>I require assistance</source>
        <translation>אני זקוק לסיוע</translation>
    </message>
    <message>
        <source>I require medical assistance</source>
        <translation>אני זקוק לסיוע רפואי</translation>
    </message>
    <message>
        <source>Stop carrying out your intentions and watch for my signals</source>
        <translation>הפסיקו לבצע את כוונותיכם ועקבו אחר האותות שלי</translation>
    </message>
    <message>
        <source>I am dragging my anchor</source>
        <translation>העוגן שלי נגרר</translation>
    </message>
    <message>
        <source>I require a tug</source>
        <translation>אני זקוק לגוררת</translation>
    </message>
</context>
<context>
    <name>OptionsFile</name>
    <message>
        <source>the letter speed %1 is not above 0</source>
        <translation>מהירות האותיות ‎%1‎ אינה גדולה מ־0</translation>
    </message>
    <message>
        <source>the text file %1 cannot be read</source>
        <translation>אי אפשר לקרוא את קובץ הטקסט ‎%1‎</translation>
    </message>
    <message>
        <source>the drill&apos;s text %1 is neither groups nor words</source>
        <translation>הטקסט של תרגיל ההודעה, ‎%1‎, אינו groups או words</translation>
    </message>
    <message>
        <source>the drill&apos;s exam %1 is neither true nor false</source>
        <translation>ערך המבחן של תרגיל ההודעה, ‎%1‎, אינו true או false</translation>
    </message>
    <message>
        <source>the letter speed %1 is too fast to see: its dots would last %2 ms, less than two frames of a screen; the highest letter speed taken is %3</source>
        <translation>מהירות האותיות ‎%1‎ מהירה מכדי לראות: הנקודות שלה יימשכו %2 מילישניות, פחות משתי תמונות של מסך; מהירות האותיות הגבוהה ביותר שמתקבלת היא %3</translation>
    </message>
    <message>
        <source>the text file %1 is a folder, not a file</source>
        <translation>קובץ הטקסט ‎%1‎ הוא תיקייה, לא קובץ</translation>
    </message>
    <message>
        <source>the letter speed %1 is not a number</source>
        <translation>מהירות האותיות ‎%1‎ אינה מספר</translation>
    </message>
    <message>
        <source>the letter speed %1 is too slow: a dot would last more than 16 seconds</source>
        <translation>מהירות האותיות ‎%1‎ איטית מדי: נקודה תימשך יותר מ־16 שניות</translation>
    </message>
    <message>
        <source>the characters name %1, which is none of letters, hebrew, figures, punctuation and procedure</source>
        <translation>ערך התווים מזכיר את ‎%1‎, שאינו ‎letters, hebrew, figures, punctuation‎ או ‎procedure‎</translation>
    </message>
    <message>
        <source>the text file %1 is not text, as a program or a picture is not</source>
        <translation>קובץ הטקסט ‎%1‎ אינו טקסט, כמו תוכנה או תמונה</translation>
    </message>
    <message>
        <source>the lamp key %1 is not the name of one key, such as Space, F12, A or Ctrl</source>
        <translation>מקש הנורה ‎%1‎ אינו שם של מקש אחד, כמו ‎Space, F12, A‎ או Ctrl</translation>
    </message>
    <message>
        <source>the lamp key %1 cannot be used: Enter ends the keying</source>
        <translation>אי אפשר להשתמש ב־‎%1‎ כמקש הנורה: Enter מסיים את ההקשה</translation>
    </message>
    <message>
        <source>the lamp key %1 cannot be used: Esc, Tab and Backspace belong to the window</source>
        <translation>אי אפשר להשתמש ב־‎%1‎ כמקש הנורה: ‎Esc, Tab‎ ו־Backspace שייכים לחלון</translation>
    </message>
    <message>
        <source>%1; %2 is used</source>
        <comment>why a lamp key cannot be used; the key used instead</comment>
        <translation>‏%1; במקומו משמש המקש ‎%2‎</translation>
    </message>
    <message>
        <source>what keying sends, %1, is none of groups, words and signals; groups are sent</source>
        <translation>מה שההקשה שולחת, ‎%1‎, אינו ‎groups, words‎ או signals; נשלחות קבוצות</translation>
    </message>
    <message>
        <source>the timing %1 is neither own nor international; the program&apos;s own is used</source>
        <translation>התזמון ‎%1‎ אינו own או international; משמש התזמון של התוכנית</translation>
    </message>
    <message>
        <source>answering the drill by keying, %1, is neither true nor false; it stays off</source>
        <translation>מענה לתרגיל ההודעה בהקשה, ‎%1‎, אינו true או false; הוא נשאר כבוי</translation>
    </message>
    <message>
        <source>the haze %1 is not a whole number from 0 to %2; the air is clear</source>
        <translation>האובך ‎%1‎ אינו מספר שלם מ־0 עד %2; האוויר צלול</translation>
    </message>
    <message>
        <source>the shimmer %1 is not a whole number from 0 to %2; the light is steady</source>
        <translation>הריצוד ‎%1‎ אינו מספר שלם מ־0 עד %2; האור יציב</translation>
    </message>
    <message>
        <source>the shutter&apos;s time %1 is not a whole number of ms from 0 to %2; the light switches at once</source>
        <translation>זמן התריס ‎%1‎ אינו מספר שלם של מילישניות מ־0 עד %2; האור מתחלף מיד</translation>
    </message>
    <message>
        <source>the hand&apos;s spread %1 is not a whole number from 0 to %2 percent; every length is exact</source>
        <translation>סטיית היד ‎%1‎ אינה מספר שלם מ־0 עד %2 אחוזים; כל אורך מדויק</translation>
    </message>
    <message>
        <source>the distance %1 is neither true nor false; the lamp is seen near</source>
        <translation>ערך המרחק, ‎%1‎, אינו true או false; הנורה נראית מקרוב</translation>
    </message>
    <message>
        <source>the sky %1 is none of own, day, dusk and night; the window&apos;s own colour is around the lamp</source>
        <translation>השמיים ‎%1‎ אינם ‎own, day, dusk‎ או night; סביב הנורה צבע החלון עצמו</translation>
    </message>
</context>
<context>
    <name>PracticeHistory</name>
    <message>
        <source>This run could not be stored: %1.</source>
        <translation>לא ניתן היה לשמור את השידור: %1.</translation>
    </message>
    <message>
        <source>This run could not be stored</source>
        <translation>לא ניתן היה לשמור את השידור</translation>
    </message>
    <message>
        <source>This run is not kept: the practice history was forgotten after it.</source>
        <translation>השידור לא נשמר: היסטוריית התרגול נמחקה אחריו.</translation>
    </message>
    <message>
        <source>The practice history is as it was.</source>
        <translation>היסטוריית התרגול נשארה כפי שהייתה.</translation>
    </message>
    <message>
        <source>The practice history could not be read</source>
        <translation>לא ניתן היה לקרוא את היסטוריית התרגול</translation>
    </message>
    <message>
        <source>The practice history could not be exported to %1: %2.</source>
        <translation>לא ניתן היה לייצא את היסטוריית התרגול אל ‎%1‎: %2.</translation>
    </message>
    <message>
        <source>The practice history could not be cleared</source>
        <translation>לא ניתן היה למחוק את היסטוריית התרגול</translation>
    </message>
    <message>
        <source>%1: the folder %2 could not be created.</source>
        <translation>‏%1: לא ניתן היה ליצור את התיקייה ‎%2‎.</translation>
    </message>
    <message>
        <source>%1: a new practice history could not be started.</source>
        <translation>‏%1: לא ניתן היה להתחיל היסטוריית תרגול חדשה.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be read, and it could not be moved aside to start a new one.</source>
        <translation>אי אפשר לקרוא את היסטוריית התרגול ‎%1‎, ולא ניתן היה להעביר אותה הצידה כדי להתחיל היסטוריה חדשה.</translation>
    </message>
    <message>
        <source>Your practice history was written by a newer version of Blinket that this one cannot read, so a new history was started. The old file was kept as %1.</source>
        <translation>היסטוריית התרגול שלך נכתבה בגרסה חדשה יותר של Blinket, שגרסה זו אינה יכולה לקרוא, ולכן התחילה היסטוריה חדשה. הקובץ הישן נשמר בשם ‎%1‎.</translation>
    </message>
    <message>
        <source>Your practice history could not be read, so a new history was started. The old file was kept as %1.</source>
        <translation>לא ניתן היה לקרוא את היסטוריית התרגול שלך, ולכן התחילה היסטוריה חדשה. הקובץ הישן נשמר בשם ‎%1‎.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>הדיסק מלא</translation>
    </message>
    <message>
        <source>the file %1 cannot be written to</source>
        <translation>אי אפשר לכתוב לקובץ ‎%1‎</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>אי אפשר לכתוב לתיקייה ‎%1‎</translation>
    </message>
    <message>
        <source>another copy of Blinket kept the history busy for too long</source>
        <translation>עותק אחר של Blinket תפס את ההיסטוריה זמן רב מדי</translation>
    </message>
    <message>
        <source>the disk could not be read or written (%1)</source>
        <translation>לא ניתן היה לקרוא מהדיסק או לכתוב אליו (‎%1‎)</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>RunKind</name>
    <message>
        <source>A to Z</source>
        <translation>‏‎A‎ עד ‎Z‎</translation>
    </message>
    <message>
        <source>Lesson %1 (%2)</source>
        <translation>שיעור %1 (‎%2‎)</translation>
    </message>
    <message>
        <source>Hebrew lesson %1 (%2)</source>
        <translation>שיעור עברי %1 (%2)</translation>
    </message>
    <message>
        <source>Weak letters</source>
        <translation>אותיות חלשות</translation>
    </message>
    <message>
        <source>Text run</source>
        <translation>שידור טקסט</translation>
    </message>
    <message>
        <source>Message drill</source>
        <translation>תרגיל הודעה</translation>
    </message>
    <message>
        <source>Message exam</source>
        <translation>מבחן הודעה</translation>
    </message>
    <message>
        <source>Keying</source>
        <translation>הקשה</translation>
    </message>
</context>
<context>
    <name>TextSource</name>
    <message>
        <source>The text file %1 could not be read: %2.</source>
        <translation>לא ניתן היה לקרוא את קובץ הטקסט ‎%1‎: %2.</translation>
    </message>
    <message>
        <source>The text file %1 is a folder, not a file.</source>
        <translation>קובץ הטקסט ‎%1‎ הוא תיקייה, לא קובץ.</translation>
    </message>
    <message>
        <source>The text file %1 is not an ordinary file, so it cannot be read as text.</source>
        <translation>קובץ הטקסט ‎%1‎ אינו קובץ רגיל, ולכן אי אפשר לקרוא אותו כטקסט.</translation>
    </message>
    <message>
        <source>The text file %1 is empty.</source>
        <translation>קובץ הטקסט ‎%1‎ ריק.</translation>
    </message>
    <message>
        <source>The text file %1 holds only white space, no words.</source>
        <translation>בקובץ הטקסט ‎%1‎ יש רק רווחים, בלי מילים.</translation>
    </message>
    <message>
        <source>The text file %1 holds no word that can be sent: every word in it holds a character that cannot be sent, or is too long.</source>
        <translation>בקובץ הטקסט ‎%1‎ אין אף מילה שאפשר לשדר: בכל מילה בו יש תו שאי אפשר לשדר, או שהיא ארוכה מדי.</translation>
    </message>
    <message>
        <source>The text file %1 holds no word in Hebrew letters, the letters chosen: its words are written in the letters A to Z. Untick Hebrew letters in Options to send them.</source>
        <translation>בקובץ הטקסט ‎%1‎ אין אף מילה באותיות עבריות, האותיות שנבחרו: המילים בו כתובות באותיות ‎A‎ עד ‎Z‎. בטלו בחלון האפשרויות את הסימון בתיבה "אותיות עבריות" כדי לשדר אותן.</translation>
    </message>
    <message>
        <source>The text file %1 holds no word in the letters A to Z, the letters chosen: its words are written in Hebrew letters. Tick Hebrew letters in Options to send them.</source>
        <translation>בקובץ הטקסט ‎%1‎ אין אף מילה באותיות ‎A‎ עד ‎Z‎, האותיות שנבחרו: המילים בו כתובות באותיות עבריות. סמנו בחלון האפשרויות את התיבה "אותיות עבריות" כדי לשדר אותן.</translation>
    </message>
    <message>
        <source>The text file %1 is not text: it holds data of another kind, as a program or a picture does.</source>
        <translation>קובץ הטקסט ‎%1‎ אינו טקסט: יש בו נתונים מסוג אחר, כמו בתוכנה או בתמונה.</translation>
    </message>
</context>
<context>
    <name>blinket::AccuracyChart</name>
    <message>
        <source>Accuracy</source>
        <translation>דיוק</translation>
    </message>
    <message>
        <source>Average of last 5 runs</source>
        <translation>ממוצע 5 השידורים האחרונים</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>שידור</translation>
    </message>
    <message>
        <source>Run %1, %2
%3, speed %4: %5</source>
        <translation>שידור %1, ‎%2‎
%3, מהירות %4: %5</translation>
    </message>
    <message>
        <source>Merit</source>
        <translation>ציון</translation>
    </message>
    <message>
        <source>Average of last 5 keyings</source>
        <translation>ממוצע 5 ההקשות האחרונות</translation>
    </message>
    <message>
        <source>A clean hand: %1</source>
        <translation>יד נקייה: %1</translation>
    </message>
    <message>
        <source>Run %1, %2
%3, speed %4: %5, merit %6</source>
        <translation>שידור %1, ‎%2‎
%3, מהירות %4: %5, ציון %6</translation>
    </message>
</context>
<context>
    <name>blinket::CopyCheckWindow</name>
    <message>
        <source>Copy check</source>
        <translation>בדיקת העתקה</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>תו</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>שודר</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>נכון</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>שגוי</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>חסר</translation>
    </message>
    <message>
        <source>Read as</source>
        <translation>נקרא כ־</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>בדיקה (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>התקדמות (&amp;P)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Your copy</source>
        <translation>ההעתקה שלך</translation>
    </message>
    <message>
        <source>This run&apos;s characters</source>
        <translation>התווים בשידור זה</translation>
    </message>
    <message>
        <source>Sent, and what you typed</source>
        <translation>מה ששודר, ומה שהקלדת</translation>
    </message>
    <message>
        <source>%1 at speed %2 for %3 min, run on %4</source>
        <translation>‏%1, במהירות %2 למשך %3 דק׳, ב־‎%4‎</translation>
    </message>
    <message>
        <source>Nothing to check yet.</source>
        <translation>אין עדיין מה לבדוק.</translation>
    </message>
    <message>
        <source>Start a run of A to Z or a lesson; the characters it sends are checked here.</source>
        <translation>יש להתחיל שידור ‎A‎ עד ‎Z‎ או שיעור; התווים שישודרו בו ייבדקו כאן.</translation>
    </message>
    <message numerus="yes">
        <source>Words right: %L1 of %Ln</source>
        <translation>
            <numerusform>מילים נכונות: %L1 מתוך %Ln</numerusform>
            <numerusform>מילים נכונות: %L1 מתוך %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Passed: %1 or more is needed.</source>
        <translation>עברת: נדרשים %1 ומעלה.</translation>
    </message>
    <message>
        <source>Not passed: %1 or more is needed.</source>
        <translation>לא עברת: נדרשים %1 ומעלה.</translation>
    </message>
    <message>
        <source>Type what you read; it is checked as you type.</source>
        <translation>יש להקליד את מה שקראת; הבדיקה נעשית תוך כדי הקלדה.</translation>
    </message>
    <message numerus="yes">
        <source>Characters sent: %Ln.</source>
        <translation>
            <numerusform>תווים ששודרו: %Ln.</numerusform>
            <numerusform>תווים ששודרו: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln right (%2)</source>
        <translation>
            <numerusform>%L1 מתוך %Ln נכון (%2)</numerusform>
            <numerusform>%L1 מתוך %Ln נכונים (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wrong</source>
        <translation>
            <numerusform>%Ln שגוי</numerusform>
            <numerusform>%Ln שגויים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln missed</source>
        <translation>
            <numerusform>%Ln חסר</numerusform>
            <numerusform>%Ln חסרים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln extra</source>
        <translation>
            <numerusform>%Ln עודף</numerusform>
            <numerusform>%Ln עודפים</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %Ln (a copy of this run takes at most %L1).</source>
        <translation>
            <numerusform>הושמט: %Ln (העתקה של שידור זה מוגבלת ל־%L1 תווים).</numerusform>
            <numerusform>הושמטו: %Ln (העתקה של שידור זה מוגבלת ל־%L1 תווים).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ×%2</source>
        <translation>‎%1 ×%2‎</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a procedure sign and its letters</comment>
        <translation>‎%1 (%2)‎</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>‏%1 דק׳ ו־%2 שנ׳</translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n שנייה</numerusform>
            <numerusform>%n שניות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n דקה</numerusform>
            <numerusform>%n דקות</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at speed %2, took %3, run on %4</source>
        <translation>‏%1, במהירות %2, נמשך %3, ב־‎%4‎</translation>
    </message>
</context>
<context>
    <name>blinket::CopyMarksView</name>
    <message>
        <source>Under each character sent, what you typed: %1 right, %2 wrong, %3 missed, %4 extra (a %5 above it).</source>
        <translation>מתחת לכל תו ששודר, מה שהקלדת: %1 נכון, %2 שגוי, %3 חסר, %4 עודף (עם %5 מעליו).</translation>
    </message>
</context>
<context>
    <name>blinket::Form1</name>
    <message>
        <source>Answer the call: key T, or Enter</source>
        <translation>ענו לקריאה: הקישו ‎T‎, או ‎Enter‎</translation>
    </message>
    <message>
        <source>Key the identity back, or type it and key T</source>
        <translation>הקישו בחזרה את אות הזיהוי, או הקלידו אותה והקישו ‎T‎</translation>
    </message>
    <message>
        <source>Key the identity back, or type it and key T; Ctrl+R repeats</source>
        <translation>הקישו בחזרה את אות הזיהוי, או הקלידו אותה והקישו ‎T‎‏; ‎Ctrl+R‎ לחזרה</translation>
    </message>
    <message>
        <source>Word %1 of %2: type it, then key T; Ctrl+R repeats</source>
        <translation>מילה %1 מתוך %2: הקלידו אותה, ואז הקישו ‎T‎‏; ‎Ctrl+R‎ לחזרה</translation>
    </message>
    <message>
        <source>Group %1 of %2: type it, then key T; Ctrl+R repeats</source>
        <translation>קבוצה %1 מתוך %2: הקלידו אותה, ואז הקישו ‎T‎‏; ‎Ctrl+R‎ לחזרה</translation>
    </message>
    <message>
        <source>End of message: finish your copy, then key R</source>
        <translation>סוף ההודעה: השלימו את ההעתקה, ואז הקישו ‎R‎</translation>
    </message>
    <message>
        <source>End of message: key R, or Enter</source>
        <translation>סוף ההודעה: הקישו ‎R‎, או ‎Enter‎</translation>
    </message>
    <message>
        <source>Send: %1</source>
        <translation>שלחו: ‎%1‎</translation>
    </message>
    <message>
        <source>Hold %1 or the mouse on the lamp to light it; Enter when done</source>
        <translation>החזיקו את ‎%1‎ או את העכבר על הפנס כדי להדליק אותו; ‎Enter‎ בסיום</translation>
    </message>
    <message>
        <source>Answer the call: Enter</source>
        <translation>ענו לקריאה: ‎Enter‎</translation>
    </message>
    <message>
        <source>Type the identity, then Enter</source>
        <translation>הקלידו את אות הזיהוי, ואז ‎Enter‎</translation>
    </message>
    <message>
        <source>Type the identity, then Enter; Ctrl+R repeats</source>
        <translation>הקלידו את אות הזיהוי, ואז ‎Enter‎‏; ‎Ctrl+R‎ לחזרה</translation>
    </message>
    <message>
        <source>Word %1 of %2: type it, then Enter; Ctrl+R repeats</source>
        <translation>מילה %1 מתוך %2: הקלידו אותה, ואז ‎Enter‎‏; ‎Ctrl+R‎ לחזרה</translation>
    </message>
    <message>
        <source>Group %1 of %2: type it, then Enter; Ctrl+R repeats</source>
        <translation>קבוצה %1 מתוך %2: הקלידו אותה, ואז ‎Enter‎‏; ‎Ctrl+R‎ לחזרה</translation>
    </message>
    <message>
        <source>Word %1 of %2, sent twice: type as you read</source>
        <translation>מילה %1 מתוך %2, משודרת פעמיים: הקלידו תוך כדי קריאה</translation>
    </message>
    <message>
        <source>Group %1 of %2, sent twice: type as you read</source>
        <translation>קבוצה %1 מתוך %2, משודרת פעמיים: הקלידו תוך כדי קריאה</translation>
    </message>
    <message>
        <source>End of message: finish your copy, then Enter</source>
        <translation>סוף ההודעה: השלימו את ההעתקה, ואז ‎Enter‎</translation>
    </message>
    <message>
        <source>End of message: Enter</source>
        <translation>סוף ההודעה: ‎Enter‎</translation>
    </message>
</context>
<context>
    <name>blinket::KeyingGradeWindow</name>
    <message>
        <source>Not kept in your practice history: nothing keyed read as a character.</source>
        <translation>לא נשמר ביומן התרגול: שום דבר ממה שהוקש לא נקרא כתו.</translation>
    </message>
    <message>
        <source>%L1 of %L2 characters as asked</source>
        <translation>%L1 מתוך %L2 תווים כפי שהתבקשו</translation>
    </message>
    <message>
        <source>Keying grade</source>
        <translation>הערכת ההקשה</translation>
    </message>
    <message>
        <source>Under each character asked, what was read: %1 right, %2 wrong, %3 not keyed, %4 extra (a %5 above it).</source>
        <translation>מתחת לכל תו שהתבקש, מה שנקרא: %1 נכון, %2 שגוי, %3 לא הוקש, %4 עודף (עם %5 מעליו).</translation>
    </message>
    <message>
        <source>&amp;Key another</source>
        <translation>הקשה נוספת (&amp;K)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>In dots of your own; the International proportions in brackets.</source>
        <translation>ביחידות של הנקודה שלך; בסוגריים היחסים הבין־לאומיים.</translation>
    </message>
    <message>
        <source>Asked, and what was read</source>
        <translation>מה שהתבקש, ומה שנקרא</translation>
    </message>
    <message>
        <source>Your keying over the ideal one at your own dot</source>
        <translation>ההקשה שלך מעל ההקשה המדויקת, בקצב הנקודה שלך</translation>
    </message>
    <message>
        <source>A triangle above an element marks it wrong or badly formed; a hatched band marks such a space.</source>
        <translation>משולש מעל רכיב מסמן שהוא שגוי או לא מדויק; פס מקווקו מסמן רווח כזה.</translation>
    </message>
    <message>
        <source>clean</source>
        <translation>נקייה</translation>
    </message>
    <message>
        <source>good</source>
        <translation>טובה</translation>
    </message>
    <message>
        <source>readable with care</source>
        <translation>קריאה במאמץ</translation>
    </message>
    <message>
        <source>hard to read</source>
        <translation>קשה לקריאה</translation>
    </message>
    <message>
        <source>Merit %1 of 100: %2</source>
        <translation>ציון %1 מתוך 100: %2</translation>
    </message>
    <message>
        <source>Speed: %1 words a minute</source>
        <translation>מהירות: %1 מילים לדקה</translation>
    </message>
    <message>
        <source>Dash %1 dots (%2)</source>
        <translation>קו: %1 נקודות (%2)</translation>
    </message>
    <message>
        <source>Gaps inside a letter %1 (%2), between letters %3 (%4), between words %5 (%6)</source>
        <translation>רווחים: בתוך אות %1 (%2), בין אותיות %3 (%4), בין מילים %5 (%6)</translation>
    </message>
    <message>
        <source>Dots vary %1, dashes vary %2</source>
        <translation>סטיית הנקודות %1, סטיית הקווים %2</translation>
    </message>
</context>
<context>
    <name>blinket::KeyingPicture</name>
    <message>
        <source>Keyed</source>
        <translation>הוקש</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>מדויק</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 ש׳</translation>
    </message>
</context>
<context>
    <name>blinket::LessonTable</name>
    <message>
        <source>Lesson</source>
        <translation>שיעור</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>שידורים</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>שיא</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>אחרונה</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>שליטה</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <comment>runs at 90 % or more</comment>
        <translation>
            <numerusform>עוד %n</numerusform>
            <numerusform>עוד %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>blinket::LetterChart</name>
    <message>
        <source>Accuracy</source>
        <translation>דיוק</translation>
    </message>
    <message>
        <source>Weakest</source>
        <translation>החלש ביותר</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>טרם נקרא</translation>
    </message>
    <message>
        <source>%1: not read yet</source>
        <translation>התו ‎%1‎ טרם נקרא</translation>
    </message>
    <message>
        <source>The weakest of those read ten times or more</source>
        <translation>החלש ביותר מבין אלה שנקראו עשר פעמים או יותר</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of the last %n read right (%3)</source>
        <translation>
            <numerusform>התו ‎%1‎: %2 מתוך %n קריאה נכונה (%3)</numerusform>
            <numerusform>התו ‎%1‎: %2 מתוך %n הקריאות האחרונות נכונות (%3)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>blinket::LightTable</name>
    <message>
        <source>Light</source>
        <translation>תאורה</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>תזמון</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>שידורים</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>דיוק</translation>
    </message>
    <message>
        <source>International</source>
        <translation>בין־לאומי</translation>
    </message>
    <message>
        <source>Own</source>
        <translation>של התוכנית</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>יום</translation>
    </message>
    <message>
        <source>Dusk</source>
        <translation>דמדומים</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>לילה</translation>
    </message>
    <message>
        <source>distant</source>
        <translation>מרחוק</translation>
    </message>
    <message>
        <source>haze %1</source>
        <translation>אובך %1</translation>
    </message>
    <message>
        <source>shimmer %1</source>
        <translation>ריצוד %1</translation>
    </message>
    <message>
        <source>shutter %1 ms</source>
        <translation>תריס %1 מילישניות</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>יד %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>בהיר</translation>
    </message>
</context>
<context>
    <name>blinket::KeyCatcher</name>
    <message>
        <source>Press a key…</source>
        <translation>לחצו על מקש…</translation>
    </message>
</context>
<context>
    <name>blinket::OptionsWindow</name>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Letter speed</source>
        <translation>מהירות האותיות</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ללא</translation>
    </message>
    <message>
        <source>Each letter is sent at this speed, and the gaps between letters and groups are longer, so that a run keeps the pace of the speed: the eye learns each letter&apos;s whole shape. Empty, or not above the speed: letters at the speed.</source>
        <translation>כל אות משודרת במהירות זו, והרווחים בין האותיות והקבוצות ארוכים יותר, כך שהשידור שומר על הקצב של המהירות שנבחרה: העין לומדת את הצורה השלמה של כל אות. ריק, או לא גבוה מהמהירות: האותיות משודרות במהירות השידור.</translation>
    </message>
    <message>
        <source>Letters at (words a minute):</source>
        <translation>אותיות במהירות (חמשיות בדקה):</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>תזמון</translation>
    </message>
    <message>
        <source>This program&apos;s own</source>
        <translation>התזמון של התוכנית</translation>
    </message>
    <message>
        <source>International</source>
        <translation>בין־לאומי</translation>
    </message>
    <message>
        <source>International: a dot lasts 1200 / speed ms and a dash three dots; the gaps inside a letter, between letters and between groups or words last one, three and seven dots.</source>
        <translation>בין־לאומי: נקודה נמשכת 1200 מילישניות חלקי המהירות, וקו שלוש נקודות; הרווחים בתוך אות, בין אותיות ובין קבוצות או מילים נמשכים נקודה אחת, שלוש נקודות ושבע נקודות.</translation>
    </message>
    <message>
        <source>Characters of A to Z and Weak letters runs</source>
        <translation>התווים בשידורי ‎A‎ עד ‎Z‎ ואותיות חלשות</translation>
    </message>
    <message>
        <source>Letters: A to Z</source>
        <translation>אותיות: ‎A‎ עד ‎Z‎</translation>
    </message>
    <message>
        <source>Hebrew letters</source>
        <translation>אותיות עבריות</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>ספרות</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>סימני פיסוק</translation>
    </message>
    <message>
        <source>Procedure signs: ^ AA, + AR, &amp;&amp; AS, = BT, ( KN, % SK</source>
        <translation>סימני נוהל: ‎^ AA, + AR, &amp;&amp; AS, = BT, ( KN, % SK‎</translation>
    </message>
    <message>
        <source>Text runs</source>
        <translation>שידורי טקסט</translation>
    </message>
    <message>
        <source>the built-in words</source>
        <translation>המילים המובנות</translation>
    </message>
    <message>
        <source>C&amp;hoose a text file…</source>
        <translation>בחירת קובץ טקסט… (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Built-in words</source>
        <translation>מילים מובנות (&amp;B)</translation>
    </message>
    <message>
        <source>Message drill</source>
        <translation>תרגיל הודעה</translation>
    </message>
    <message>
        <source>Groups of five</source>
        <translation>חמשיות</translation>
    </message>
    <message>
        <source>Words, as in text runs</source>
        <translation>מילים, כמו בשידורי טקסט</translation>
    </message>
    <message>
        <source>Exam form: five groups, each sent twice, no repeats</source>
        <translation>מתכונת מבחן: חמש קבוצות, כל אחת משודרת פעמיים, בלי חזרות</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>נשמרות בקובץ ‎%1‎</translation>
    </message>
    <message>
        <source>Not kept: %1.</source>
        <translation>לא נשמר: %1.</translation>
    </message>
    <message>
        <source>A text file for text runs</source>
        <translation>קובץ טקסט לשידורי טקסט</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>קובצי טקסט (*.txt);;כל הקבצים (*)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln word(s) built in.</source>
        <translation>
            <numerusform>%Ln מילה מובנית.</numerusform>
            <numerusform>%Ln מילים מובנות.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text runs send the built-in words.</source>
        <translation>שידורי טקסט משדרים את המילים המובנות.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln word(s) to send</source>
        <translation>
            <numerusform>%Ln מילה לשידור</numerusform>
            <numerusform>%Ln מילים לשידור</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln passed over: they hold characters that cannot be sent)</source>
        <translation>
            <numerusform>(%Ln דולגה: יש בה תווים שאי אפשר לשדר)</numerusform>
            <numerusform>(%Ln דולגו: יש בהן תווים שאי אפשר לשדר)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a group&apos;s name and its characters</comment>
        <translation>%1: ‎%2‎</translation>
    </message>
    <message>
        <source>Not used: %1.</source>
        <translation>לא בשימוש: %1.</translation>
    </message>
    <message>
        <source>Not used now: %1. Text runs send the built-in words while it cannot be read.</source>
        <translation>לא בשימוש כעת: %1. שידורי טקסט משדרים את המילים המובנות כל עוד אי אפשר לקרוא אותו.</translation>
    </message>
    <message>
        <source>Not kept: text runs go on as before.</source>
        <translation>לא נשמר: שידורי טקסט ממשיכים כמקודם.</translation>
    </message>
    <message>
        <source>Keying</source>
        <translation>הקשה</translation>
    </message>
    <message>
        <source>&amp;Set…</source>
        <translation>הגדרה… (&amp;S)</translation>
    </message>
    <message>
        <source>Lamp key:</source>
        <translation>מקש הנורה:</translation>
    </message>
    <message>
        <source>Signals of the International Code</source>
        <translation>אותות הקוד הבין־לאומי</translation>
    </message>
    <message>
        <source>S&amp;end:</source>
        <translation>לשדר: (&amp;E)</translation>
    </message>
    <message>
        <source>Answer the message drill with the lamp key</source>
        <translation>מענה לתרגיל ההודעה במקש הנורה</translation>
    </message>
    <message>
        <source>that key has no name the options file can keep</source>
        <translation>למקש הזה אין שם שקובץ האפשרויות יכול לשמור</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>אור</translation>
    </message>
    <message>
        <source>&amp;Far off: a point of light</source>
        <translation>רחוק: נקודת אור (&amp;F)</translation>
    </message>
    <message>
        <source>The window&apos;s own colour</source>
        <translation>צבע החלון עצמו</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>יום</translation>
    </message>
    <message>
        <source>Dusk</source>
        <translation>דמדומים</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>לילה</translation>
    </message>
    <message>
        <source>Ha&amp;ze (0 to 100):</source>
        <translation>אובך (0 עד 100): (&amp;Z)</translation>
    </message>
    <message>
        <source>Shi&amp;mmer (0 to 100):</source>
        <translation>ריצוד (0 עד 100): (&amp;M)</translation>
    </message>
    <message>
        <source>S&amp;ky:</source>
        <translation>שמיים: (&amp;K)</translation>
    </message>
    <message>
        <source>Shu&amp;tter (0 to 60 ms):</source>
        <translation>תריס (0 עד 60 מילישניות): (&amp;T)</translation>
    </message>
    <message>
        <source>Han&amp;d (0 to 30 %):</source>
        <translation>יד (0 עד 30 %): (&amp;D)</translation>
    </message>
    <message>
        <source>The lamp as it is seen at sea, from the next run on. Far off, it is a point a few pixels wide. Haze lowers the lit lamp&apos;s contrast with the dark; shimmer makes its brightness wander, never to dark. The shutter takes its time to open and to close, and is half open at the moment the lamp would light. The hand makes each element and gap longer or shorter at random, keeping the pace on average.</source>
        <translation>הנורה כפי שהיא נראית בים, מהשידור הבא ואילך. מרחוק היא נקודה ברוחב פיקסלים אחדים. האובך מקטין את הניגוד בין הנורה הדולקת לחושך; הריצוד גורם לבהירותה לנדוד, אך לעולם לא עד חושך. התריס נפתח ונסגר בהדרגה, והוא פתוח למחצה ברגע שבו הנורה הייתה נדלקת. היד מאריכה או מקצרת כל סימן ורווח באקראי, ושומרת על הקצב בממוצע.</translation>
    </message>
</context>
<context>
    <name>blinket::PracticeSession</name>
    <message>
        <source>Kept in your practice history.</source>
        <translation>נשמר בהיסטוריית התרגול שלך.</translation>
    </message>
</context>
<context>
    <name>blinket::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <source>No runs yet</source>
        <translation>אין עדיין שידורים</translation>
    </message>
    <message>
        <source>Practise &amp;weak letters</source>
        <translation>תרגול אותיות חלשות (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>ייצוא CSV…‏ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Forget history…</source>
        <translation>מחיקת ההיסטוריה… (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>סגירה (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Accuracy per run</source>
        <translation>דיוק לפי שידור (&amp;A)</translation>
    </message>
    <message>
        <source>Top confusions</source>
        <translation>בלבולים נפוצים</translation>
    </message>
    <message>
        <source>Per lesson</source>
        <translation>לפי שיעור</translation>
    </message>
    <message>
        <source>By light</source>
        <translation>לפי תאורה</translation>
    </message>
    <message>
        <source>Accuracy per character</source>
        <translation>דיוק לפי תו</translation>
    </message>
    <message>
        <source>All runs</source>
        <translation>כל השידורים</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>‏‎A‎ עד ‎Z‎</translation>
    </message>
    <message>
        <source>Weak letters</source>
        <translation>אותיות חלשות</translation>
    </message>
    <message>
        <source>Lesson %1 (%2)</source>
        <translation>שיעור %1 (‎%2‎)</translation>
    </message>
    <message>
        <source>Text runs</source>
        <translation>שידורי טקסט</translation>
    </message>
    <message>
        <source>Message drills</source>
        <translation>תרגילי הודעה</translation>
    </message>
    <message>
        <source>Keying</source>
        <translation>הקשה</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>דיוק</translation>
    </message>
    <message>
        <source>Merit of keyings</source>
        <translation>ציון ההקשות</translation>
    </message>
    <message>
        <source>All twelve lessons are mastered.</source>
        <translation>שלטת בכל שנים־עשר השיעורים.</translation>
    </message>
    <message>
        <source>Next: lesson %1 (%2).</source>
        <translation>הבא: שיעור %1 (‎%2‎).</translation>
    </message>
    <message>
        <source>&amp;Start lesson %1</source>
        <translation>התחלת שיעור %1 (&amp;S)</translation>
    </message>
    <message>
        <source>All eight Hebrew lessons are mastered.</source>
        <translation>שלטת בכל שמונת השיעורים העבריים.</translation>
    </message>
    <message>
        <source>Next: Hebrew lesson %1 (%2).</source>
        <translation>הבא: שיעור עברי %1 (%2).</translation>
    </message>
    <message>
        <source>&amp;Start Hebrew lesson %1</source>
        <translation>התחלת שיעור עברי %1 (&amp;S)</translation>
    </message>
    <message>
        <source>Weakest, hatched: %1, %2 of the last %3 read right (%4).</source>
        <translation>החלש ביותר (מסומן בפסים): ‎%1‎, %2 מתוך %3 הקריאות האחרונות נכונות (%4).</translation>
    </message>
    <message>
        <source>No letter sent yet.</source>
        <translation>עדיין לא שודרה אף אות.</translation>
    </message>
    <message>
        <source>No letter has been read as another yet.</source>
        <translation>עדיין לא נקראה אף אות כאות אחרת.</translation>
    </message>
    <message>
        <source>%1 read as %2: %3</source>
        <translation>‏‎%1‎ נקרא כ־‎%2‎: %3</translation>
    </message>
    <message>
        <source>No runs stored yet: type what you read during a run, and the run is kept here.</source>
        <translation>עדיין לא נשמרו שידורים: יש להקליד את מה שקוראים במהלך שידור, והשידור יישמר כאן.</translation>
    </message>
    <message>
        <source>The runs were written to %1.</source>
        <translation>השידורים נכתבו אל ‎%1‎.</translation>
    </message>
    <message numerus="yes">
        <source>but %n reading(s) are too few to be sure: a character is judged on ten or more.</source>
        <translation>
            <numerusform>אבל %n קריאה אינה מספיקה כדי להיות בטוחים: תו נשפט לפי עשר קריאות או יותר.</numerusform>
            <numerusform>אבל %n קריאות אינן מספיקות כדי להיות בטוחים: תו נשפט לפי עשר קריאות או יותר.</numerusform>
        </translation>
    </message>
    <message>
        <source>Lowest so far: %1, %2 of %3 read right (%4), %5</source>
        <translation>הנמוך ביותר עד כה: ‎%1‎, %2 מתוך %3 קריאות נכונות (%4), %5</translation>
    </message>
    <message>
        <source>%1 is lower, %2 of %3 read right (%4), %5</source>
        <translation>‏‎%1‎ נמוך יותר, %2 מתוך %3 קריאות נכונות (%4), %5</translation>
    </message>
    <message>
        <source>Each bar is the share read right of its character&apos;s last %1 readings.</source>
        <translation>כל עמודה היא חלק הקריאות הנכונות מתוך %1 הקריאות האחרונות של התו שלה.</translation>
    </message>
    <message>
        <source>Read these more, to be sure of them: %1.</source>
        <translation>כדאי לקרוא את אלה עוד, כדי להיות בטוחים בהם: ‎%1‎.</translation>
    </message>
    <message>
        <source>Not sent yet: %1.</source>
        <translation>עוד לא שודרו: ‎%1‎.</translation>
    </message>
</context>
<context>
    <name>blinket::RunController</name>
    <message>
        <source>Text runs send the built-in words meanwhile.</source>
        <translation>בינתיים שידורי טקסט משדרים את המילים המובנות.</translation>
    </message>
    <message numerus="yes">
        <source>%n option(s) in %1 cannot be used, so runs go on without them:</source>
        <translation>
            <numerusform>%n אפשרות בקובץ ‎%1‎ אינה שמישה, ולכן השידורים ממשיכים בלעדיה:</numerusform>
            <numerusform>%n אפשרויות בקובץ ‎%1‎ אינן שמישות, ולכן השידורים ממשיכים בלעדיהן:</numerusform>
        </translation>
    </message>
    <message>
        <source>The Options window (Alt+O) shows them and mends them.</source>
        <translation>חלון האפשרויות (‎Alt+O‎) מציג אותן ומאפשר לתקן אותן.</translation>
    </message>
</context>
<context>
    <name>blinket::StandardProgressDialogs</name>
    <message>
        <source>Export CSV</source>
        <translation>ייצוא CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>קובצי ‎CSV‎ (*.csv);;כל הקבצים (*)</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>מחיקת ההיסטוריה</translation>
    </message>
    <message>
        <source>Forget every stored run? This cannot be undone.</source>
        <translation>למחוק את כל השידורים השמורים? אי אפשר לבטל פעולה זו.</translation>
    </message>
</context>
<context>
    <name>blinket::LampKeyWatcher</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
</context>
</TS>
