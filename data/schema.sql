-- The eight tables of the program. Each table's ordering fields are its UNIQUE key; rows are
-- navigated in key order. Text widths are CP949 bytes. Dates are 'YYYY-MM-DD' or NULL, money
-- is REAL in won, states are INTEGER.

CREATE TABLE TBManager (
  DongID   TEXT(4) NOT NULL,
  DongNm   TEXT(16),
  QorexID  TEXT(8),
  Pass     TEXT(4),
  UNIQUE (DongID)
);

CREATE TABLE TBLargeItem (
  LargeItmId TEXT(2) NOT NULL,
  LargeItmNm TEXT(16),
  UNIQUE (LargeItmId)
);

CREATE TABLE TBBank (
  BankID TEXT(2) NOT NULL,
  BankNM TEXT(16),
  UNIQUE (BankID)
);

CREATE TABLE KiGwan (
  KigwanID   INTEGER NOT NULL,
  KiGwanName TEXT(20) NOT NULL,
  BankID     TEXT(2),
  BankNo     TEXT(20),
  LocalBank  TEXT(6),
  CorCode    TEXT(10),
  Pass       TEXT(8),
  SendName   TEXT(6),
  RecvName   TEXT(6),
  BCode      TEXT(10),
  UNIQUE (KigwanID, KiGwanName)
);

CREATE TABLE TBResultCd (
  BankID              TEXT(2) NOT NULL,
  ResultCd            TEXT(4) NOT NULL,
  Result_NM           TEXT(30),
  Change_Date         DATE,
  Change_Authority_CD TEXT(4),
  UNIQUE (BankID, ResultCd)
);

CREATE TABLE TBTrans (
  KigwanId   INTEGER NOT NULL,
  DongID     TEXT(4) NOT NULL,
  LargeItmID TEXT(2) NOT NULL,
  TotalSum   REAL,
  ECount     INTEGER,
  Send_date  DATE,
  Recv_date  DATE,
  Bcode      TEXT(10),
  Corcode    TEXT(10),
  SendName   TEXT(6),
  RecvName   TEXT(6),
  Bigo       TEXT(20),
  BankNo     TEXT(20),
  BankID     TEXT(2),
  A_Date     DATE,
  To_date    DATE,
  State      INTEGER,
  KigwanName TEXT(20),
  LocalBank  TEXT(6),
  UNIQUE (KigwanId, DongID, LargeItmID)
);

-- One account once per order.
CREATE TABLE TBTransSub (
  KigwanId   INTEGER NOT NULL,
  DongId     TEXT(4) NOT NULL,
  LargeitmId TEXT(2) NOT NULL,
  BankId     TEXT(2) NOT NULL,
  BankNo     TEXT(20) NOT NULL,
  Jumin      TEXT(14),
  Monecy     REAL,
  Name       TEXT(20),
  State      INTEGER,
  Result     TEXT(4),
  Bigo       TEXT(20),
  Recv_date  DATE,
  JaGubun    INTEGER,
  UNIQUE (KigwanId, DongId, LargeitmId, BankId, BankNo)
);

-- A result record finds its recipient by bank, account, amount and state, first in table order:
-- the key columns after the searched ones keep the index in table order.
CREATE INDEX TBTransSubResult
  ON TBTransSub (BankId, BankNo, Monecy, State, KigwanId, DongId, LargeitmId);
-- Sending, totals and marking look recipients up by order and state.
CREATE INDEX TBTransSubState ON TBTransSub (State, KigwanId);

CREATE TABLE TBCath (
  Name     TEXT(20) NOT NULL,
  ReLen    INTEGER,
  Bigo     TEXT(20),
  BankPos  INTEGER,
  BankLen  INTEGER,
  AccPos   INTEGER,
  AccLen   INTEGER,
  WonPos   INTEGER,
  WonLen   INTEGER,
  JuminPos INTEGER,
  JuminLen INTEGER,
  NamePos  INTEGER,
  NameLen  INTEGER,
  UNIQUE (Name)
);
